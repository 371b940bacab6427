#pragma once
// A task of the system's Task Scheduler that starts a program when the current
// user logs on, with the highest rights the user has: Windows starts the
// programs of the Run key with a filtered token, an administrator's included.
// Task Scheduler 2.0 (Windows Vista and later) is reached through COM at run
// time, so the program still loads where it is missing.
#include <string>

// The task's definition: a log-on trigger for the account (DOMAIN\name), the
// highest run level the account has, battery power allowed, and the program (a
// command, quoted as needed) with its arguments in the folder.
std::wstring LogonTaskDefinition(const std::wstring& account, const std::wstring& program,
                                 const std::wstring& arguments, const std::wstring& folder);

// Registers the task for the account this process runs as, under the name in the
// root folder, or replaces one of that name. False when it could not be registered.
bool RegisterLogonTask(const std::wstring& name, const std::wstring& program, const std::wstring& arguments,
                       const std::wstring& folder);
// False when there is no such task, or no Task Scheduler 2.0.
bool TaskExists(const std::wstring& name);
// False when the task could not be deleted.
bool DeleteTask(const std::wstring& name);
