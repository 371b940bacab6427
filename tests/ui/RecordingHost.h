#pragma once
// An ActionHost without any window: it answers questions and folder choices
// from a script and records what an action asked, started, opened and ended.
// Actions read their settings from ERUNT.INI beside the running executable, so
// a test's settings go there (and are removed again) through ProgramSettings.
#include "services/AppPaths.h"
#include "services/IniFiles.h"
#include "services/Messages.h"
#include "ui/ActionHost.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct RecordingHost : ActionHost {
    struct Question {
        std::wstring title, text;
        UINT style;
    };
    struct Started {
        std::wstring executable, commandLine;
        int show;
    };
    std::deque<int> answers; // IDCANCEL once they run out
    std::deque<std::wstring> folders;
    std::vector<Question> questions;
    std::vector<Started> started;
    std::vector<std::wstring> opened;
    std::map<int, bool> buttons;
    std::vector<bool> waitPointer;
    double waited = 0;
    bool handedOver = false;
    std::optional<int> exitCode;
    std::wstring user = L"Anna";
    std::vector<std::wstring> backupList;
    std::wstring selectedBackup;
    // What the clean-up window does when shown.
    uint64_t cleanupFinds = 0;
    SharedState state;

    HWND Owner() const override { return nullptr; }
    int Ask(std::initializer_list<std::wstring_view> lines, const std::wstring& title, UINT style) override {
        questions.push_back({title, JoinLines(lines), style});
        const int answer = answers.empty() ? IDCANCEL : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    bool Start(const std::wstring& executable, const std::wstring& commandLine, int show) override {
        started.push_back({executable, commandLine, show});
        return true;
    }
    void Open(const std::wstring& target) override { opened.push_back(target); }
    std::wstring ChooseFolder() override {
        const std::wstring folder = folders.empty() ? std::wstring() : folders.front();
        if (!folders.empty())
            folders.pop_front();
        return folder;
    }
    void EnableButton(int id, bool enabled) override { buttons[id] = enabled; }
    void ShowWaitPointer(bool shown) override { waitPointer.push_back(shown); }
    void Wait(double seconds) override { waited += seconds; }
    void CloseAfterHandOver() override {
        handedOver = true;
        EndProgram(0);
    }
    void EndProgram(int code) override { exitCode = code; }
    std::wstring UserForProfiles() override { return user; }
    void ShowCleanupWindow() override {
        state.copiesRemoved = cleanupFinds;
        state.cleanupRequested = false;
    }
    void ShowCleanupRunning(bool) override {}
    void ShowBackupList(const std::vector<std::wstring>& entries) override { backupList = entries; }
    void HideBackupList() override { backupList.clear(); }
    std::wstring SelectedBackup() const override { return selectedBackup; }
    SharedState& State() override { return state; }
};

// A scratch folder whose name holds a space, and the program's settings file,
// both gone when the test ends.
class ActionScene {
public:
    ActionScene() {
        static unsigned counter = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  (L"Hivora Probe " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
        std::filesystem::create_directories(folder_);
    }
    ~ActionScene() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        std::filesystem::remove(ProgramFolder() + L"\\ERUNT.INI", ignored);
        std::filesystem::remove_all(ProgramFolder() + L"\\Sysreg", ignored);
        std::filesystem::remove(ProgramFolder() + L"\\ERUNT.TXT", ignored);
        std::filesystem::remove_all(UnspacedFolder(), ignored);
    }
    ActionScene(const ActionScene&) = delete;
    ActionScene& operator=(const ActionScene&) = delete;

    // A folder whose path holds no space: beside the test program.
    static std::wstring UnspacedFolder() { return ProgramFolder() + L"\\Tools"; }
    std::wstring Path(const std::wstring& relative = {}) const {
        return relative.empty() ? folder_.wstring() : (folder_ / relative).wstring();
    }
    // Creates the file (and its folders) and answers its path.
    static std::wstring Touch(const std::wstring& path) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(std::filesystem::path(path)) << "x";
        return path;
    }
    static void Set(const wchar_t* key, const std::wstring& value) {
        WriteIniValue(ProgramFolder() + L"\\ERUNT.INI", L"ERUNT", key, value);
    }

private:
    std::filesystem::path folder_;
};
