// What the backup actions decide, through a recording host.
#include "RecordingHost.h"
#include "backup/AutomaticBackup.h"
#include "backup/ManualBackup.h"
#include "services/Registry.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kArguments[] = L" sysreg curuser otherusers /noconfirmdelete";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Today's folder as ERUNT names it.
std::wstring Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t name[16];
    swprintf(name, 16, L"%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return name;
}

TEST(ManualBackupTest, StartsEruntIntoTodaysFolderAndCloses) {
    struct Row {
        bool spaced, destinationExists, todayExists;
        int answer;
        bool starts;
        const wchar_t* destination = nullptr; // an existing folder other than the scene's
    };
    for (const Row row :
         {Row{true, true, false, 0, true}, Row{false, true, false, 0, true}, Row{true, false, false, 0, true},
          Row{true, true, true, IDNO, false}, Row{true, true, true, IDYES, true},
          Row{true, true, false, 0, true, L"C:\\"}}) { // a drive root is handed over as it is
        ActionScene scene;
        RecordingHost host({row.answer});
        const std::wstring install = row.spaced ? scene / L"Erunt Ordner" : ActionScene::UnspacedFolder();
        const std::wstring erunt = ActionScene::Touch(install + L"\\ERUNT.EXE");
        const std::wstring destination = row.destination ? row.destination : scene / L"Backup";
        if (row.destinationExists)
            std::filesystem::create_directories(destination);
        if (row.todayExists)
            std::filesystem::create_directories(destination + L"\\" + Today());
        ActionScene::Set(Keys::InstallFolder, install);
        ActionScene::Set(Keys::DefaultDestinationFolder, destination);

        bSicherungen_Click(host);

        ASSERT_EQ(host.questions.size(), row.todayExists ? 1u : 0u);
        EXPECT_TRUE(!row.todayExists || (host.styles[0] & MB_DEFMASK) == MB_DEFBUTTON2) << "No unless chosen";
        // ERUNT's date settings name today's folder as asked about.
        const auto setting = [&](const wchar_t* key) { return ReadIniValue(install + L"\\ERUNT.INI", L"ERUNT", key); };
        EXPECT_EQ(setting(L"DateFormat") + setting(L"DateSeparator"), L"yyyy/mm/dd-");
        ASSERT_EQ(host.started.size(), row.starts ? 1u : 0u);
        EXPECT_EQ(host.handedOver, row.starts);
        if (!row.starts)
            continue;
        const std::wstring program = row.spaced || !row.destinationExists ? L"\"" + erunt + L"\"" : erunt;
        const std::wstring target = row.destinationExists ? L" \"" + destination + L"\\#Date#\"" : L"";
        EXPECT_EQ(host.started[0].executable, erunt);
        EXPECT_EQ(host.started[0].commandLine, program + target + kArguments);
    }
}

// Without AUTOBACK.EXE in ERUNT's folder no entry is made. The AUTOBACK that was found there makes
// the first backup into the program's Sysreg, where restore looks; an entry is removed without AUTOBACK.
TEST(AutostartButtonTest, AutobackRunsFromEruntsFolderAndIsNeededOnlyToSwitchOn) {
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    RecordingHost missing({IDYES, IDYES});
    bAutosicherung_Click(missing);
    ASSERT_EQ(missing.questions.size(), 1u);
    EXPECT_NE(missing.questions[0].find(L"nicht im Ordner gefunden"), std::wstring::npos) << missing.questions[0];
    EXPECT_FALSE(AutomaticBackupIsOn(missing));

    const std::wstring autoback = ActionScene::Touch(scene / L"AUTOBACK.EXE");
    RecordingHost on({IDYES, IDYES});
    bAutosicherung_Click(on);
    ASSERT_EQ(on.started.size(), 1u);
    EXPECT_EQ(on.started[0].executable, scene / L"Autoback.exe");
    EXPECT_EQ(on.started[0].commandLine, L"\"" + scene / L"Autoback.exe\" \"" + ProgramFolder() +
                                             L"\\Sysreg\" curuser otherusers /noconfirmdelete /alwayscreate");
    EXPECT_TRUE(AutomaticBackupIsOn(on));

    std::filesystem::remove(autoback);
    RecordingHost off({IDYES});
    off.tasks = on.tasks;
    bAutosicherung_Click(off);
    EXPECT_FALSE(AutomaticBackupIsOn(off));
}

// On is this account's task starting this very program, or a Run value from before. Switching on
// registers the task whole, in place of one of this account's that does not back up; switching off
// removes this account's, the one of the shared name from before too, and never another account's.
TEST(AutostartButtonTest, OnlyThisAccountsTaskStartingThisProgramIsOn) {
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    ActionScene::Touch(scene / L"AUTOBACK.EXE");
    const std::wstring own = L"Hivora Autosicherung " + CurrentAccountSid(), before = L"Hivora Autosicherung";
    const LogonTask backsUp = {CurrentAccount(), L"\"" + ProgramPath() + L"\"", L"/Auto", ProgramFolder()};
    const LogonTask others = {L"PC\\Bob", backsUp.program}, moved = {backsUp.account, L"C:\\Alt\\HIVORA.exe"};
    const LogonTask disabled = {backsUp.account, backsUp.program, L"", L"", false}, unknown; // as Wine keeps one
    // The task of the name (none: a Run value instead), and whether that is on.
    for (const auto& [name, planted, on] : {std::tuple{own, std::optional(backsUp), true},
                                            {own, disabled, false},
                                            {own, moved, false},
                                            {before, unknown, true},
                                            {before, others, false},
                                            {own, std::nullopt, true}}) {
        RecordingHost host({IDYES, IDNO});
        if (planted)
            host.tasks[name] = *planted;
        else
            RegistryWriteValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", L"x", KEY_WOW64_64KEY);
        bAutosicherung_Click(host);
        EXPECT_NE(host.questions.at(0).find(on ? L"entfernt" : L"eingetragen"), std::wstring::npos);
        // Left: this account's task once switched on, and another account's always.
        std::map<std::wstring, LogonTask> left = {{own, backsUp}, {before, others}};
        std::erase_if(left, [&](const auto& task) { return task.first == own ? on : planted != others; });
        EXPECT_EQ(host.tasks, left) << host.questions[0];
        EXPECT_EQ(AutomaticBackupIsOn(host), !on) << "switched, a Run value included";
    }
}

} // namespace
