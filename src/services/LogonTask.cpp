#include "services/LogonTask.h"

#include "services/Com.h"
#include "services/WinSystemInfo.h"

#include <windows.h>
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

// DOMAIN\name of the account this process runs as; "" when it cannot be read.
std::wstring CurrentAccount() {
    const std::vector<BYTE> user = ProcessTokenUser();
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    if (user.empty() || !LookupAccountSidW(nullptr, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid, name,
                                           &nameSize, domain, &domainSize, &use))
        return {};
    return std::wstring(domain) + L"\\" + name;
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

// The root folder of the tasks; empty where Task Scheduler 2.0 is missing or does not answer.
class TaskRoot {
public:
    TaskRoot() {
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

} // namespace

// The template is filled in one pass, so that no text is taken for a name.
std::wstring LogonTaskDefinition(const std::wstring& account, const std::wstring& program,
                                 const std::wstring& arguments, const std::wstring& folder) {
    const std::pair<std::wstring_view, const std::wstring&> texts[] = {
        {L"%ACCOUNT%", account}, {L"%PROGRAM%", program}, {L"%ARGUMENTS%", arguments}, {L"%FOLDER%", folder}};
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

bool RegisterLogonTask(const std::wstring& name, const std::wstring& program, const std::wstring& arguments,
                       const std::wstring& folder) {
    const std::wstring account = CurrentAccount();
    const TaskRoot root;
    if (account.empty() || !root)
        return false;
    const VARIANT none = {};
    ComPointer<IRegisteredTask> task;
    return SUCCEEDED(
        root->RegisterTask(Bstr(name).get(), Bstr(LogonTaskDefinition(account, program, arguments, folder)).get(),
                           TASK_CREATE_OR_UPDATE, none, none, TASK_LOGON_INTERACTIVE_TOKEN, none, task.put()));
}

bool TaskExists(const std::wstring& name) {
    const TaskRoot root;
    ComPointer<IRegisteredTask> task;
    return root && SUCCEEDED(root->GetTask(Bstr(name).get(), task.put()));
}

bool DeleteTask(const std::wstring& name) {
    const TaskRoot root;
    return root && SUCCEEDED(root->DeleteTask(Bstr(name).get(), 0));
}
