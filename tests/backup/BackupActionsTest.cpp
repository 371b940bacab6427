// What the backup, restore and clean-up actions decide, through a recording host.
#include "RecordingHost.h"
#include "backup/AutomaticBackup.h"
#include "backup/CleanupButton.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "cleanup/Cleanup.h"
#include "resource.h"
#include "services/Dates.h"
#include "services/Registry.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kArguments[] = L" sysreg curuser otherusers /noconfirmdelete";

std::wstring Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return IsoDate(now);
}

TEST(ManualBackupTest, StartsEruntIntoTodaysFolderAndCloses) {
    struct Row {
        bool spaced, destinationExists, todayExists;
        int answer;
        bool starts;
    };
    for (const Row row :
         {Row{true, true, false, 0, true}, Row{false, true, false, 0, true}, Row{true, false, false, 0, true},
          Row{true, true, true, IDNO, false}, Row{true, true, true, IDYES, true}}) {
        ActionScene scene;
        RecordingHost host;
        host.answers = {row.answer};
        const std::wstring install = row.spaced ? scene.Path(L"Erunt Ordner") : ActionScene::UnspacedFolder();
        const std::wstring erunt = ActionScene::Touch(install + L"\\ERUNT.EXE");
        const std::wstring destination = scene.Path(L"Backup");
        if (row.destinationExists)
            std::filesystem::create_directories(destination);
        if (row.todayExists)
            std::filesystem::create_directories(destination + L"\\" + Today());
        ActionScene::Set(Keys::InstallFolder, install);
        ActionScene::Set(Keys::DefaultDestinationFolder, destination);

        bSicherungen_Click(host);

        EXPECT_EQ(host.questions.size(), row.todayExists ? 1u : 0u);
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

// The Run value, in the view both builds use, and in the 32-bit view that older
// 32-bit programs used; the test's prefix is thrown away afterwards.
class AutomaticBackupTest : public testing::Test {
protected:
    static constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    void SetUp() override {
        ActionScene::Touch(scene.Path(L"AUTOBACK.EXE"));
        ActionScene::Set(Keys::InstallFolder, scene.Path());
        TearDown();
    }
    void TearDown() override {
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY})
            RegistryDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", view);
    }
    static std::optional<std::wstring> Entry(REGSAM view) {
        RegistryValue value;
        if (!RegistryReadValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", value, view))
            return std::nullopt;
        const auto* text = std::get_if<std::wstring>(&value);
        return text ? *text : L"(other type)";
    }
    ActionScene scene;
    RecordingHost host;
};

TEST_F(AutomaticBackupTest, SwitchingOnWritesOneEntryAndStartsTheFirstBackup) {
    host.answers = {IDYES, IDYES};
    bAutosicherung_Click(host);
    EXPECT_EQ(Entry(KEY_WOW64_64KEY), L"\"" + ProgramPath() + L"\" /Auto");
    EXPECT_EQ(Entry(KEY_WOW64_32KEY), std::nullopt);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].commandLine, ProgramFolder() + L"\\Autoback.exe \"" + ProgramFolder() +
                                               L"\\Sysreg\" curuser otherusers /noconfirmdelete /alwayscreate");
    EXPECT_EQ(host.waited, 1);
    EXPECT_FALSE(host.exitCode) << "the program stays open";
    EXPECT_EQ(host.waitPointer, (std::vector<bool>{true, false}));
}

TEST_F(AutomaticBackupTest, AnEntryInEitherViewOfAnyTypeIsSwitchedOffEverywhere) {
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        UniqueKey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, key.put(),
                                  nullptr),
                  ERROR_SUCCESS);
        const BYTE bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        RegSetValueExW(key.get(), L"Erunt", 0, REG_BINARY, bytes, sizeof(bytes));
        RecordingHost host;
        host.answers = {IDYES};
        bAutosicherung_Click(host);
        ASSERT_EQ(host.questions.size(), 1u);
        EXPECT_NE(host.questions[0].text.find(L"entfernt werden"), std::wstring::npos);
        EXPECT_EQ(Entry(KEY_WOW64_64KEY), std::nullopt);
        EXPECT_EQ(Entry(KEY_WOW64_32KEY), std::nullopt);
    }
}

TEST(RestoreTest, AsksWithTheBackupsDateDefaultingToNoAndStartsItsRestorer) {
    ActionScene scene;
    const std::wstring restorer = ActionScene::Touch(ProgramFolder() + L"\\Sysreg\\Erdnt.exe");
    ActionScene::Touch(ProgramFolder() + L"\\Sysreg\\Erdnt.Inf");
    for (const int answer : {IDNO, IDYES}) {
        RecordingHost host;
        host.answers = {IDYES, answer};
        bWiederherstellen_Click(host);
        ASSERT_EQ(host.questions.size(), 2u);
        SYSTEMTIME today;
        GetLocalTime(&today);
        EXPECT_NE(host.questions[1].text.find(L" am " + DayMonthYear(today) + L" gespeicherte"), std::wstring::npos);
        for (const auto& question : host.questions)
            EXPECT_EQ(question.style & MB_DEFMASK, MB_DEFBUTTON2) << "Enter must not restore";
        ASSERT_EQ(host.started.size(), answer == IDYES ? 1u : 0u);
        if (answer == IDYES) {
            EXPECT_EQ(host.started[0].commandLine, restorer);
        }
        EXPECT_EQ(host.handedOver, answer == IDYES);
    }
}

TEST(RestoreTest, ListsTheManualBackupsAndRestoresTheChosenOne) {
    ActionScene scene;
    for (const wchar_t* folder : {L"2008-03-01", L"2008-03-07", L"SYSREG"})
        ActionScene::Touch(scene.Path(L"Backups\\") + folder + L"\\Erdnt.exe");
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    WriteIniValue(scene.Path(L"ERUNT.INI"), L"ERUNT", Keys::DefaultDestinationFolder, scene.Path(L"Backups"));
    RecordingHost host;
    host.answers = {IDNO};
    bWiederherstellen_Click(host);
    ASSERT_EQ(host.backupList.size(), 2u);
    EXPECT_EQ(host.backupList[1].substr(0, 12), L"\t2008-03-07\t");
    EXPECT_EQ(host.state.listedFolder, scene.Path(L"Backups"));
    EXPECT_EQ(host.waited, 1);

    host.selectedBackup = host.backupList[1];
    LBackups_DblClick(host);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].commandLine, L"\"" + scene.Path(L"Backups\\2008-03-07\\Erdnt.exe") + L"\"");
    EXPECT_TRUE(host.handedOver);
}

TEST(CleanupButtonTest, ClosesTheProgramOnlyWhenCopiesWereRemoved) {
    for (const uint64_t found : {0, 3}) {
        RecordingHost host;
        host.cleanupFinds = found;
        bBereinigung_Click(host);
        EXPECT_EQ(host.exitCode.has_value(), found != 0);
    }
}

TEST(CleanupLoadTest, OnlyAnIdleEnabledWindowAsksForTheFullCleanup) {
    EXPECT_EQ(CleanupLoadFor(true, true), CleanupLoad::LookUpAndStay);
    EXPECT_EQ(CleanupLoadFor(true, false), CleanupLoad::LookUpAndStay);
    EXPECT_EQ(CleanupLoadFor(false, false), CleanupLoad::LookUpAndClose);
    EXPECT_EQ(CleanupLoadFor(false, true), CleanupLoad::FullCleanup);
}

} // namespace
