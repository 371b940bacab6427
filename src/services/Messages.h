#pragma once
// Modal message boxes, written the way every message of the program is:
// lines joined by one line feed, the title exactly as given.
#include <windows.h>

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

std::wstring JoinLines(std::initializer_list<std::wstring_view> lines);

// Shows the message and returns the answer (IDOK, IDCANCEL, IDRETRY, IDYES, IDNO).
int ShowMessage(HWND owner, std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style);

// Why a system call failed, in the system's words with the file it concerns filled in; for a missing
// elevation, what the user can do.
std::wstring FailureReason(DWORD error, std::wstring_view file = {});

// "Error: <number>. <description>" titled with the failed operation's name.
std::wstring UnexpectedErrorText(const std::exception& failure);
void ShowUnexpectedError(const wchar_t* operation, const std::exception& failure);

// Runs the body of a service that must not let a failure escape: an unexpected
// failure is shown to the user and the service returns what it holds so far.
template <typename Body> void RunGuarded(const wchar_t* operation, Body&& body) {
    try {
        body();
    } catch (const std::exception& failure) {
        ShowUnexpectedError(operation, failure);
    }
}

// Titles of the messages that more than one part of the program shows.
inline constexpr wchar_t kProgramTitle[] = L" Hivora for Win-Nt/2000/XP";
inline constexpr wchar_t kEruntTitle[] = L" Emergency Recovery Utility";
// Where ERUNT and its tools belong, in a message that says where a program belongs.
inline constexpr wchar_t kEruntBelongs[] = L"Erunt mit dem Erunt-Manager";
// The last line of a message about a failure that administrator's rights would have avoided.
inline constexpr wchar_t kNeedsAdministrator[] =
    L"Bitte starten Sie das Programm mit Administratorrechten und versuchen Sie es erneut.";
