#pragma once
// Tasks of the system's Task Scheduler that start a program when an account
// logs on, with the highest rights the account has: Windows starts the programs
// of the Run key with a filtered token, an administrator's included. Task
// Scheduler 2.0 (Windows Vista and later) is reached through COM at run time,
// so the program still loads where it is missing.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

// What a log-on task starts, and at whose log-on.
struct LogonTask {
    std::wstring account; // DOMAIN\name
    std::wstring program; // a command, quoted as needed
    std::wstring arguments;
    std::wstring folder;
    bool enabled = true;
    bool operator==(const LogonTask&) const = default;
};

// The task's definition: a log-on trigger for the account, the highest run
// level the account has, battery power allowed, and the program with its
// arguments in the folder.
std::wstring LogonTaskDefinition(const LogonTask& task);

// The log-on tasks an action looks at, registers and deletes, each by its name
// in the root folder of the tasks.
class LogonTasks {
public:
    // None when there is no such task, or no Task Scheduler 2.0. What the
    // system does not tell of the task stays empty.
    virtual std::optional<LogonTask> Find(const std::wstring& name) = 0;
    // Registers the task, or replaces one of that name; false when it could not be registered.
    virtual bool Register(const std::wstring& name, const LogonTask& task) = 0;
    // False when the task could not be deleted.
    virtual bool Delete(const std::wstring& name) = 0;

protected:
    ~LogonTasks() = default;
};

// The system's Task Scheduler, over one connection made at the first call and
// kept, as each connection costs a noticeable moment; a call that fails over it
// is tried once more over a new one, in case the service was started again meanwhile.
class SystemLogonTasks final : public LogonTasks {
public:
    SystemLogonTasks();
    ~SystemLogonTasks();
    SystemLogonTasks(const SystemLogonTasks&) = delete;
    SystemLogonTasks& operator=(const SystemLogonTasks&) = delete;

    std::optional<LogonTask> Find(const std::wstring& name) override;
    bool Register(const std::wstring& name, const LogonTask& task) override;
    bool Delete(const std::wstring& name) override;

private:
    class Connection;
    // The call over the kept connection, and over a new one when it fails for any other reason than
    // an answer of "none" (no such task). An empty connection answers E_FAIL.
    template <typename Call> HRESULT Over(Call call, HRESULT none = S_OK);
    std::unique_ptr<Connection> connection_;
};

// DOMAIN\name of the account this process runs as; "" when it cannot be read.
std::wstring CurrentAccount();
