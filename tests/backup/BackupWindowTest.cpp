// Manual backup, the automatic backup entry, restore and the clean-up button, clicked in the real window.
#include "Installation.h"
#include "LocalTimes.h"

#include "cleanup/CleanupRules.h"
#include "services/Registry.h"
#include "services/WindowsOrdner.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class BackupWindowTest : public testing::Test {
protected:
    void SetUp() override { MoveMouseAway(); }
    RunningProgram Start() {
        RunningProgram program = scenario.Start();
        main_ = program.MainWindow();
        return program;
    }
    void Click(RunningProgram& program, int id) { ClickAt(main_, CentreInParent(program.Control(id))); }

    Scenario scenario;
    HWND main_ = nullptr;
};

TEST_F(BackupWindowTest, BackupIntoAnExistingRootNamesTheDatedFolder) {
    InstallProgramWithErunt(scenario);
    auto program = Start();
    Click(program, IDC_BSICHERUNGEN);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    const auto records = scenario.RecordsOf(L"ERUNT.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"ERUNT.EXE"));
    EXPECT_EQ(records[0].Arguments(),
              L"\"" + scenario.PathOf(L"Backup") + L"\\#Date#\" sysreg curuser otherusers /noconfirmdelete");
    EXPECT_EQ(records[0].show, SW_SHOWNORMAL);
}

TEST_F(BackupWindowTest, BackupWithoutARootLeavesThePlaceToErunt) {
    InstallProgramWithErunt(scenario);
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"DefaultDestinationFolder", scenario.PathOf(L"Fehlt"));
    auto program = Start();
    Click(program, IDC_BSICHERUNGEN);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    const auto records = scenario.RecordsOf(L"ERUNT.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"ERUNT.EXE"));
    EXPECT_EQ(records[0].Arguments(), L"sysreg curuser otherusers /noconfirmdelete");
}

TEST_F(BackupWindowTest, TodaysBackupIsOverwrittenOnlyAfterYes) {
    InstallProgramWithErunt(scenario);
    scenario.MakeFolder(L"Backup\\" + TodayAsFolderName());
    auto program = Start();
    Click(program, IDC_BSICHERUNGEN);
    const auto question = program.AnswerMessageBox(IDNO);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->title, L" Hivora for Win-Nt/2000/XP");
    EXPECT_EQ(question->text, L"Möchten Sie die vorhandene Registrierungssicherung überschreiben ?   ");
    EXPECT_FALSE(program.WaitForExit(1500ms));
    EXPECT_TRUE(scenario.ReadLog().empty());

    Click(program, IDC_BSICHERUNGEN);
    ASSERT_TRUE(program.AnswerMessageBox(IDYES));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    EXPECT_EQ(scenario.RecordsOf(L"ERUNT.EXE").size(), 1u);
}

// The Run value is machine-wide in the prefix; every case leaves it removed.
class AutomaticBackupEntryTest : public BackupWindowTest {
protected:
    void SetUp() override {
        BackupWindowTest::SetUp();
        RegistryDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt");
        InstallProgramWithErunt(scenario);
    }
    void TearDown() override { RegistryDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt"); }
    static std::optional<std::wstring> RunValue() {
        RegistryValue value;
        if (!RegistryReadValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", value))
            return std::nullopt;
        return std::get<std::wstring>(value);
    }
};

TEST_F(AutomaticBackupEntryTest, YesThenNoWritesTheEntryAndStartsNothing) {
    auto program = Start();
    Click(program, IDC_BAUTOSICHERUNG);
    const auto offer = program.AnswerMessageBox(IDYES);
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->title, L" Dired Arazerev-Uvozevo");
    EXPECT_EQ(offer->text, L"Die Emergency Recovery Autosicherung kann nun eingetragen werden.   \n"
                           L"Möchten Sie die Registrierung automatisch alle 3 Tagen sichern ?");
    const auto first = program.AnswerMessageBox(IDNO);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->title, L" Emergency Recovery Utility");
    EXPECT_EQ(first->text, L"Möchten Sie die erste Sicherung der Registrierung sofort durchführen ?   ");
    EXPECT_EQ(RunValue(), L"\"" + scenario.PathOf(L"HIVORA.exe") + L"\" /Auto");
    EXPECT_TRUE(program.NoMessageBoxWithin(500ms));
    EXPECT_TRUE(scenario.ReadLog().empty());

    Click(program, IDC_BAUTOSICHERUNG);
    const auto removal = program.AnswerMessageBox(IDYES);
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->text, L"Die Emergency Recovery Autosicherung kann nun entfernt werden.   \n"
                             L"Möchten Sie auf die Sicherung der Registrierung verzichten ?");
    EXPECT_TRUE(WaitUntil([] { return !RunValue(); }, 3s));
    EXPECT_TRUE(program.IsRunning());
}

TEST_F(AutomaticBackupEntryTest, YesThenYesStartsTheFirstBackupAndEnablesRestore) {
    auto program = Start();
    ASSERT_TRUE(IsShown(program.Control(IDC_PWIEDERHERSTELLEN)));
    Click(program, IDC_BAUTOSICHERUNG);
    ASSERT_TRUE(program.AnswerMessageBox(IDYES));
    ASSERT_TRUE(program.AnswerMessageBox(IDYES));
    const auto records = scenario.WaitForLog(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(_wcsicmp(records[0].name.c_str(), L"Autoback.exe"), 0);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"Autoback.exe"));
    EXPECT_EQ(records[0].Arguments(),
              L"\"" + scenario.PathOf(L"Sysreg") + L"\" curuser otherusers /noconfirmdelete /alwayscreate");
    // The stand-in wrote the backup, so restore becomes possible.
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(program.Control(IDC_BWIEDERHERSTELLEN)); }, 5s));
    EXPECT_TRUE(program.IsRunning());
}

TEST_F(AutomaticBackupEntryTest, MissingAutobackIsReported) {
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", scenario.MakeFolder(L"Leer"));
    scenario.AddStandin(L"Leer\\ERUNT.EXE");
    auto program = Start();
    // Without AUTOBACK.EXE the start-up disabled the button; its click arrives all the same.
    EnableWindow(program.Control(IDC_BAUTOSICHERUNG), TRUE);
    Click(program, IDC_BAUTOSICHERUNG);
    const auto box = program.AnswerMessageBox(IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, L"Die Emergency Recovery Autosicherung konnte nicht im Ordner gefunden werden.   \n"
                         L"Überprüfen Sie bitte ob sich der Erunt-Manager im gleichen Ordner befindet.\n"
                         L"Die Installation der automatischen Sicherung ist leider fehlgeschlagen.");
    EXPECT_FALSE(RunValue());
}

void SetFolderTime(const std::wstring& folder, WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    const SYSTEMTIME local = LocalTime(year, month, day, hour, minute);
    SYSTEMTIME universal;
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal);
    FILETIME time;
    SystemTimeToFileTime(&universal, &time);
    const UniqueFileHandle handle(CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    SetFileTime(handle.get(), nullptr, nullptr, &time);
}

std::vector<std::wstring> ListEntries(HWND list) {
    std::vector<std::wstring> entries;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        wchar_t text[1024] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

class RestoreTest : public BackupWindowTest {
protected:
    void SetUp() override {
        BackupWindowTest::SetUp();
        InstallProgramWithErunt(scenario);
        scenario.AddStandin(L"Sysreg\\Erdnt.exe");
    }
};

TEST_F(RestoreTest, TheAutomaticBackupOfTheFirstPlaceIsOfferedWithItsOwnDate) {
    scenario.AddStandin(L"Backup\\Sysreg\\Erdnt.exe");
    scenario.Write(L"Backup\\Sysreg\\Erdnt.Inf", "x");
    const std::wstring marker = scenario.PathOf(L"Backup\\Sysreg\\Erdnt.Inf");
    SetFolderTime(marker, 2008, 3, 7, 12, 0);
    auto program = Start();
    Click(program, IDC_BWIEDERHERSTELLEN);
    const auto choice = program.AnswerMessageBox(IDYES);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->title, L" Wiederherstellung der Registrierung");
    EXPECT_EQ(choice->text, L"Möchten Sie die automatische Regiistrierungssicherung wiederherstellen ?  \n"
                            L"Ansonsten erhalten Sie eine Auswahl der manuellen Sicherungen.");
    const auto confirm = program.AnswerMessageBox(IDYES);
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->text, L"Möchten Sie die am 07.03.2008 gespeicherte Registrierung wiederherstellen ?  \n"
                             L"Bitte schließen Sie vor der Wiederherstellung alle laufenden Anwendungen.\n"
                             L"Der Computer wird automatisch nach der Rücksicherung neu gestarten.");
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    const auto records = scenario.RecordsOf(L"Erdnt.exe");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"Backup\\Sysreg\\Erdnt.exe"));
    EXPECT_EQ(records[0].Arguments(), L"");
}

TEST_F(RestoreTest, TheListShowsTheManualBackupsAndADoubleClickRestoresOne) {
    for (const wchar_t* name : {L"2008-03-01", L"2008-03-07", L"SYSREG"})
        scenario.MakeFolder(std::wstring(L"Backup\\") + name);
    scenario.AddStandin(L"Backup\\2008-03-07\\Erdnt.exe");
    SetFolderTime(scenario.PathOf(L"Backup\\2008-03-01"), 2008, 3, 1, 9, 30);
    SetFolderTime(scenario.PathOf(L"Backup\\2008-03-07"), 2008, 3, 7, 14, 5);
    auto program = Start();
    Click(program, IDC_BWIEDERHERSTELLEN);
    ASSERT_TRUE(program.AnswerMessageBox(IDNO));

    const HWND list = program.Control(IDC_LBACKUPS);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(list) && IsEnabled(list); }, 5s));
    EXPECT_EQ(ListEntries(list), (std::vector<std::wstring>{
                                     L"\t2008-03-01\t(01.03 2008, 09:30)\t" + scenario.PathOf(L"Backup\\2008-03-01"),
                                     L"\t2008-03-07\t(07.03 2008, 14:05)\t" + scenario.PathOf(L"Backup\\2008-03-07")}));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);

    const RECT item = [&] {
        RECT rect = {};
        SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }();
    DoubleClickAt(list, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    const auto records = scenario.RecordsOf(L"Erdnt.exe");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"Backup\\2008-03-07\\Erdnt.exe"));
}

TEST_F(RestoreTest, ADoubleClickOnABackupWithoutItsRestorerStillCloses) {
    scenario.MakeFolder(L"Backup\\2008-03-07");
    auto program = Start();
    Click(program, IDC_BWIEDERHERSTELLEN);
    ASSERT_TRUE(program.AnswerMessageBox(IDNO));
    const HWND list = program.Control(IDC_LBACKUPS);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(list); }, 5s));
    DoubleClickAt(list, {40, 8});
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    EXPECT_TRUE(scenario.ReadLog().empty());
}

TEST_F(RestoreTest, ARightClickHidesTheList) {
    scenario.MakeFolder(L"Backup\\2008-03-07");
    auto program = Start();
    Click(program, IDC_BWIEDERHERSTELLEN);
    ASSERT_TRUE(program.AnswerMessageBox(IDNO));
    const HWND list = program.Control(IDC_LBACKUPS);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(list); }, 5s));
    RightClickAt(list, {40, 8});
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(list); }, 3s));
    EXPECT_TRUE(program.IsRunning());
}

// The clean-up deletes hive copies in the profiles and the system's configuration folder.
class CleanupButtonTest : public BackupWindowTest {
protected:
    static constexpr wchar_t kSetupKey[] = L"Software\\Microsoft\\MS Setup (ACME)\\User Info";

    void SetUp() override {
        BackupWindowTest::SetUp();
        InstallProgramWithErunt(scenario);
        // A registered user name spares the start-up its look-up in the clean-up window.
        SHSetValueW(HKEY_CURRENT_USER, kSetupKey, L"DefName", REG_SZ, L"Test", 10);
        wchar_t account[256] = {};
        DWORD size = 256;
        GetUserNameW(account, &size);
        profile_ = WindowsDirectory().substr(0, 3) + L"Dokumente und Einstellungen\\" + account;
        config_ = NativeFolder(SystemDirectory() + L"\\config");
        CreateDirectoryW((WindowsDirectory().substr(0, 3) + L"Dokumente und Einstellungen").c_str(), nullptr);
        CreateDirectoryW(profile_.c_str(), nullptr);
        CreateDirectoryW(config_.c_str(), nullptr);
        // Copies other tests left in this prefix would be counted too.
        for (const std::wstring& folder : {profile_, config_})
            for (const wchar_t* patterns : {kFirstPatternList, kSecondPatternList})
                RemoveFiles(folder, MatchingFiles(folder, patterns));
    }
    void TearDown() override {
        SHDeleteValueW(HKEY_CURRENT_USER, kSetupKey, L"DefName");
        for (const std::wstring& file : created_) {
            SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(file.c_str());
        }
    }
    std::wstring Create(const std::wstring& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        SetFileAttributesW(path.c_str(), attributes);
        created_.push_back(path);
        return path;
    }
    static bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    std::wstring profile_;
    std::wstring config_;
    std::vector<std::wstring> created_;
};

TEST_F(CleanupButtonTest, FullCleanUpDeletesExactlyTheCopiesAndCloses) {
    const std::wstring hiddenCopy =
        Create(profile_ + L"\\NTUSER.DAT_BAK", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    const std::wstring hive = Create(profile_ + L"\\NTUSER.DAT");
    const std::wstring numbered = Create(config_ + L"\\SOFTWARE_BAK_1.DAT");
    const std::wstring copy = Create(config_ + L"\\SOFTWARE.BAK");
    const std::wstring decoy = Create(config_ + L"\\SOFTWARE.BAKUP");

    auto program = Start();
    Click(program, IDC_BBEREINIGUNG);
    const auto report = program.AnswerMessageBox(IDOK);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->title, L" Bereinigung der Optimierung");
    EXPECT_EQ(report->text, L"3 temporäre Registrierungsdateien wurden vollständig entfernt.   ");
    EXPECT_EQ(program.WaitForExit(10s), 0u) << "files were removed, so the program closes";

    EXPECT_FALSE(Exists(hiddenCopy));
    EXPECT_FALSE(Exists(numbered));
    EXPECT_FALSE(Exists(copy));
    EXPECT_TRUE(Exists(hive));
    EXPECT_TRUE(Exists(decoy)) << "only its short name matches";
}

TEST_F(CleanupButtonTest, NothingFoundIsReportedAndTheProgramStays) {
    auto program = Start();
    Click(program, IDC_BBEREINIGUNG);
    const auto report = program.AnswerMessageBox(IDOK);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->text, L"Es konnten keine temporären Registrierungsdateien gefunden werden.   ");
    EXPECT_FALSE(program.WaitForExit(2s));
}

} // namespace
