#pragma once
// An ActionHost without any window: it answers from a script and records what an action asked, started,
// opened and ended. A test's settings go to ERUNT.INI beside the test program, through ActionScene.
#include "ScratchFolder.h"
#include "cleanup/Cleanup.h"
#include "services/AppPaths.h"
#include "services/Dates.h"
#include "services/FileSecurity.h"
#include "services/IniFiles.h"
#include "services/Messages.h"
#include "services/Text.h"
#include "services/UniqueHandle.h"
#include "services/WindowsOrdner.h"
#include "ui/ActionHost.h"

#include <deque>
#include <map>
#include <optional>

struct RecordingHost : ActionHost, LogonTasks {
    struct Started {
        std::wstring executable, commandLine;
    };
    // The answers to its questions, IDCANCEL once they run out, and the folders the user picks.
    explicit RecordingHost(std::deque<int> answers = {}, std::deque<std::wstring> folders = {})
        : answers(std::move(answers)), folders(std::move(folders)) {}

    std::deque<int> answers;
    std::deque<std::wstring> folders;
    std::vector<std::wstring> questions;
    std::vector<UINT> styles;         // of each question
    DWORD startError = ERROR_SUCCESS; // what every start answers
    Rights rights = Rights::Full;
    int restarts = 0; // with full rights
    std::vector<Started> started;
    // Web pages opened through the desktop's shell while it answers, and through the program's own.
    bool desktopAnswers = true;
    std::vector<std::wstring> opened, openedWithOwnRights;
    std::map<std::wstring, LogonTask> tasks;
    std::map<int, bool> buttons;
    bool handedOver = false;
    std::optional<int> exitCode;
    std::wstring selected; // the entry of the list of backups
    std::vector<std::wstring> listed;
    size_t listSelection = 0;
    SharedState state;

    template <typename T> static T Next(std::deque<T>& script, T next) {
        if (!script.empty())
            next = script.front(), script.pop_front();
        return next;
    }
    HWND Owner() const override { return nullptr; }
    int Ask(std::initializer_list<std::wstring_view> lines, const std::wstring&, UINT style) override {
        questions.push_back(JoinLines(lines));
        styles.push_back(style);
        return Next(answers, IDCANCEL);
    }
    DWORD Start(const std::wstring& executable, const std::wstring& commandLine, int, UniqueKernelHandle*) override {
        started.push_back({executable, commandLine});
        return startError;
    }
    Rights CurrentRights() override { return rights; }
    DWORD RestartElevated() override { return ++restarts, ERROR_SUCCESS; }
    bool OpenOnDesktop(const std::wstring& address) override {
        return desktopAnswers && (opened.push_back(address), true);
    }
    void OpenWithOwnRights(const std::wstring& address) override { openedWithOwnRights.push_back(address); }
    bool StartOnDesktop(const std::wstring& program, const std::wstring&) override { return OpenOnDesktop(program); }
    std::wstring ChooseFolder() override { return Next(folders, std::wstring()); }
    void EnableButton(int id, bool enabled) override { buttons[id] = enabled; }
    void ShowWaitPointer(bool) override {}
    void Wait(double) override {}
    void CloseAfterHandOver() override { handedOver = true, EndProgram(0); }
    void EndProgram(int code) override { exitCode = code; }
    void LookUpUser() override {}
    // The clean-up's work, with its questions asked here.
    void ShowCleanupWindow() override { Cleanup(*this).ShowModal(); }
    void ShowCleanupRunning(bool) override {}
    void ShowBackupList(const std::vector<std::wstring>& entries, size_t selection) override {
        listed = entries;
        listSelection = selection;
    }
    void HideBackupList() override {}
    std::wstring SelectedBackup() const override { return selected; }
    SharedState& State() override { return state; }
    LogonTasks& Tasks() override { return *this; }
    std::optional<LogonTask> Find(const std::wstring& name) override {
        return tasks.count(name) ? std::optional(tasks[name]) : std::nullopt;
    }
    bool Register(const std::wstring& name, const LogonTask& task) override { return tasks[name] = task, true; }
    bool Delete(const std::wstring& name) override { return tasks.erase(name) == 1; }
};

// A recorded task as a failure shows it.
inline void PrintTo(const LogonTask& task, std::ostream* out) {
    *out << ToAnsi(task.account + L" | " + task.program + L" " + task.arguments + L" | " + task.folder)
         << (task.enabled ? "" : " | disabled");
}

// A scratch folder; the settings file and tool beside the test program and the unspaced folder go with it.
class ActionScene : public ScratchFolder {
public:
    ~ActionScene() {
        std::error_code ignored;
        for (const std::wstring& path :
             {ProgramFolder() + L"\\ERUNT.INI", ProgramFolder() + L"\\NTREGOPT.EXE", UnspacedFolder()})
            std::filesystem::remove_all(path, ignored);
    }
    static std::wstring UnspacedFolder() { return SystemDirectory().substr(0, 3) + L"HivoraWerkzeuge"; }
    // Under Wine below /tmp: the actions refuse what starts with full rights from there or reads its settings.
    static bool ProgramFolderOpen() { return !OpenPlace({ProgramFolder()}).empty(); }
    // Creates the file (and its folders) and answers its path.
    static std::wstring Touch(const std::wstring& path) { return WriteBytes(path, "x"), path; }
    static void Set(const wchar_t* key, const std::wstring& value) {
        WriteIniValue(ProgramFolder() + L"\\ERUNT.INI", L"ERUNT", key, value);
    }
    // Dates the file or folder back by so many days.
    static void Age(const std::wstring& path, int days) {
        const UniqueFileHandle file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        SYSTEMTIME now;
        GetSystemTime(&now);
        const uint64_t then = TimeValue(now) - days * kTimeValueDay;
        const FILETIME written = {static_cast<DWORD>(then), static_cast<DWORD>(then >> 32)};
        SetFileTime(file.get(), nullptr, nullptr, &written);
    }
};
