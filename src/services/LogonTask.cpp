#include "services/LogonTask.h"

#include "services/Com.h"
#include "services/WinSystemInfo.h"
#include "services/UniqueHandle.h"

#include <windows.h>
#include <sddl.h>
#include <taskschd.h>

#include <string_view>
#include <utility>
#include <vector>

namespace {

std::wstring XmlText(std::wstring_view text) {
    std::wstring escaped;
    for (const wchar_t c : text)
        escaped += c == L'&' ? L"&amp;" : c == L'<' ? L"&lt;" : c == L'>' ? L"&gt;" : std::wstring(1, c);
    return escaped;
}

// DOMAIN\name of the account; "" when the system does not know it.
std::wstring NameOf(PSID account) {
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    if (!LookupAccountSidW(nullptr, account, name, &nameSize, domain, &domainSize, &use))
        return {};
    return std::wstring(domain) + L"\\" + name;
}

// DOMAIN\name of an account the system gives by its SID or by a name in any
// form; as given when it cannot be looked up, so that it matches no other account.
std::wstring AccountName(const std::wstring& account) {
    PSID converted = nullptr;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    wchar_t domain[256];
    DWORD sidSize = sizeof(sid), domainSize = 256;
    SID_NAME_USE use;
    std::wstring name;
    if (ConvertStringSidToSidW(account.c_str(), &converted)) {
        const UniqueLocalMemory owned(converted);
        name = NameOf(converted);
    } else if (!account.empty() &&
               LookupAccountNameW(nullptr, account.c_str(), sid, &sidSize, domain, &domainSize, &use)) {
        name = NameOf(sid);
    }
    return name.empty() ? account : name;
}

// A text property of a COM object; "" when it does not answer.
template <typename Interface, typename Getter> std::wstring Property(const ComPointer<Interface>& object, Getter get) {
    BSTR text = nullptr;
    if (!object || FAILED((object.operator->()->*get)(&text)) || !text)
        return {};
    std::wstring taken(text, SysStringLen(text));
    SysFreeString(text);
    return taken;
}

// Who logs on, the run level, the battery and what runs; each %NAME% stands for a text.
constexpr wchar_t kDefinition[] = LR"(<?xml version="1.0" encoding="UTF-16"?>
<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">
  <Triggers>
    <LogonTrigger><UserId>%ACCOUNT%</UserId></LogonTrigger>
  </Triggers>
  <Principals>
    <Principal id="Author">
      <UserId>%ACCOUNT%</UserId>
      <LogonType>InteractiveToken</LogonType>
      <RunLevel>HighestAvailable</RunLevel>
    </Principal>
  </Principals>
  <Settings>
    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>
    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>
    <Enabled>%ENABLED%</Enabled>
  </Settings>
  <Actions Context="Author">
    <Exec>
      <Command>%PROGRAM%</Command>
      <Arguments>%ARGUMENTS%</Arguments>
      <WorkingDirectory>%FOLDER%</WorkingDirectory>
    </Exec>
  </Actions>
</Task>
)";

} // namespace

// The root folder of the tasks; empty where Task Scheduler 2.0 is missing or does not answer.
class SystemLogonTasks::Connection {
public:
    Connection() {
        const VARIANT none = {}; // VT_EMPTY: this computer, this account
        if (SUCCEEDED(CoCreateInstance(__uuidof(TaskScheduler), nullptr, CLSCTX_INPROC_SERVER, __uuidof(ITaskService),
                                       service_.put_void())) &&
            SUCCEEDED(service_->Connect(none, none, none, none)))
            service_->GetFolder(Bstr(L"\\").get(), folder_.put());
    }
    explicit operator bool() const noexcept { return static_cast<bool>(folder_); }
    ITaskFolder* operator->() const noexcept { return folder_.operator->(); }

private:
    ComApartment apartment_;
    ComPointer<ITaskService> service_;
    ComPointer<ITaskFolder> folder_;
};

SystemLogonTasks::SystemLogonTasks() = default;
SystemLogonTasks::~SystemLogonTasks() = default;

template <typename Call> HRESULT SystemLogonTasks::Over(Call call, HRESULT none) {
    HRESULT result = E_FAIL;
    for (int attempt = 0; attempt < 2 && FAILED(result) && result != none; ++attempt) {
        if (attempt > 0 || !connection_)
            connection_ = std::make_unique<Connection>();
        if (*connection_)
            result = call(*connection_);
    }
    return result;
}

// The template is filled in one pass, so that no text is taken for a name.
std::wstring LogonTaskDefinition(const LogonTask& task) {
    const std::wstring enabled = task.enabled ? L"true" : L"false";
    const std::pair<std::wstring_view, const std::wstring&> texts[] = {{L"%ACCOUNT%", task.account},
                                                                       {L"%ENABLED%", enabled},
                                                                       {L"%PROGRAM%", task.program},
                                                                       {L"%ARGUMENTS%", task.arguments},
                                                                       {L"%FOLDER%", task.folder}};
    std::wstring definition;
    std::wstring_view rest = kDefinition;
    for (size_t open; (open = rest.find(L'%')) != std::wstring_view::npos;) {
        const size_t close = rest.find(L'%', open + 1);
        definition += rest.substr(0, open);
        for (const auto& [name, text] : texts)
            if (name == rest.substr(open, close + 1 - open))
                definition += XmlText(text);
        rest.remove_prefix(close + 1);
    }
    return definition += rest;
}

std::optional<LogonTask> SystemLogonTasks::Find(const std::wstring& name) {
    ComPointer<IRegisteredTask> registered;
    const auto get = [&](const Connection& root) { return root->GetTask(Bstr(name).get(), registered.put()); };
    if (FAILED(Over(get, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))))
        return std::nullopt;
    LogonTask task;
    VARIANT_BOOL enabled = VARIANT_TRUE;
    registered->get_Enabled(&enabled);
    task.enabled = enabled != VARIANT_FALSE;
    ComPointer<ITaskDefinition> definition;
    ComPointer<IPrincipal> principal;
    ComPointer<IActionCollection> actions;
    ComPointer<IAction> action;
    ComPointer<IExecAction> exec;
    if (FAILED(registered->get_Definition(definition.put())))
        return task;
    if (SUCCEEDED(definition->get_Principal(principal.put())))
        if (const std::wstring account = Property(principal, &IPrincipal::get_UserId); !account.empty())
            task.account = AccountName(account);
    if (SUCCEEDED(definition->get_Actions(actions.put())) && SUCCEEDED(actions->get_Item(1, action.put())))
        action->QueryInterface(__uuidof(IExecAction), exec.put_void());
    task.program = Property(exec, &IExecAction::get_Path);
    task.arguments = Property(exec, &IExecAction::get_Arguments);
    task.folder = Property(exec, &IExecAction::get_WorkingDirectory);
    return task;
}

bool SystemLogonTasks::Register(const std::wstring& name, const LogonTask& task) {
    if (task.account.empty())
        return false;
    const auto create = [&](const Connection& root) {
        const VARIANT none = {};
        ComPointer<IRegisteredTask> registered;
        return root->RegisterTask(Bstr(name).get(), Bstr(LogonTaskDefinition(task)).get(), TASK_CREATE_OR_UPDATE, none,
                                  none, TASK_LOGON_INTERACTIVE_TOKEN, none, registered.put());
    };
    return SUCCEEDED(Over(create));
}

bool SystemLogonTasks::Delete(const std::wstring& name) {
    return SUCCEEDED(Over([&](const Connection& root) { return root->DeleteTask(Bstr(name).get(), 0); }));
}

std::wstring CurrentAccount() {
    const std::vector<BYTE> user = ProcessTokenUser();
    return user.empty() ? std::wstring() : NameOf(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
}
