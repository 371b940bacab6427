#include "settings/SettingsStore.h"

#include "ScratchFolder.h"
#include "services/Dateiexistenz.h"
#include "services/IniFiles.h"

#include <gtest/gtest.h>

namespace {

// A program folder and a separate ERUNT folder, each with its own ERUNT.INI.
class SettingsStoreTest : public testing::Test {
protected:
    ScratchFolder root_;
    std::wstring program_ = root_ / L"Hivora";
    std::wstring erunt_ = root_ / L"Erunt";

    void SetUp() override {
        CreateDirectoryW(program_.c_str(), nullptr);
        CreateDirectoryW(erunt_.c_str(), nullptr);
    }
    std::wstring ProgramFile() const { return program_ + L"\\ERUNT.INI"; }
    std::wstring EruntFile() const { return erunt_ + L"\\ERUNT.INI"; }
    static std::wstring Read(const std::wstring& file, const wchar_t* key) { return ReadIniValue(file, L"ERUNT", key); }
    static void Write(const std::wstring& file, const wchar_t* key, const std::wstring& value) {
        WriteIniValue(file, L"ERUNT", key, value);
    }
    SettingsFields Fields(const std::wstring& install) const {
        SettingsFields fields;
        fields.tInstall = install;
        fields.tSicherungen = root_ / L"Sicherungen";
        return fields;
    }
};

TEST_F(SettingsStoreTest, StoringIntoTheProgramsOwnFolderMakesNoCopy) {
    Write(ProgramFile(), L"WinPatch", L"C:\\Patches");
    std::wstring sameFolderOtherCase = program_;
    CharUpperW(sameFolderOtherCase.data());
    SettingsFields fields = Fields(sameFolderOtherCase);
    fields.bComplete = true;
    SetDatabase(fields, program_);

    EXPECT_FALSE(PathExists(program_ + L"\\ERUNT.INI_BAK"));
    EXPECT_EQ(Read(ProgramFile(), L"DisableFastBackup"), L"1");
    EXPECT_EQ(Read(ProgramFile(), L"DateFormat"), L"yyyy/mm/dd");
    EXPECT_EQ(Read(ProgramFile(), L"WinPatch"), L"C:\\Patches");
}

TEST_F(SettingsStoreTest, EmptyInstallFolderSendsEruntsKeysToTheProgramFile) {
    SettingsFields fields = Fields(L"");
    fields.bSubfolder = true;
    SetDatabase(fields, program_);

    EXPECT_EQ(Read(ProgramFile(), L"InstallFolder"), L"");
    EXPECT_NE(ReadBytes(ProgramFile()).find("InstallFolder=\r\n"), std::string::npos) << "stored empty, not removed";
    EXPECT_EQ(Read(ProgramFile(), L"DefaultDestinationFolder"), fields.tSicherungen);
    EXPECT_EQ(Read(ProgramFile(), L"AppendDateToFolderEditField"), L"1");
    EXPECT_EQ(Read(ProgramFile(), L"DisableFastBackup"), L"0");
    EXPECT_EQ(Read(ProgramFile(), L"DateSeparator"), L"-");
    EXPECT_EQ(Read(ProgramFile(), L"TimeFormat"), L"hh:mm:ss");
    EXPECT_EQ(Read(ProgramFile(), L"TimeSeparator"), L".");
    EXPECT_FALSE(PathExists(program_ + L"\\ERUNT.INI_BAK"));
}

TEST_F(SettingsStoreTest, CarryOverKeepsTheProgramsOwnKeys) {
    Write(ProgramFile(), L"InstallFolder", L"C:\\Alt");
    Write(ProgramFile(), L"WinPatch", L"C:\\Patches");
    Write(EruntFile(), L"ExcludeList", L"ERUNTs own");

    SettingsFields fields = Fields(erunt_);
    fields.tBootClean = L"C:\\Prefetch";
    fields.tCleaner = L"C:\\RegCleaner";
    SetDatabase(fields, program_);

    EXPECT_EQ(Read(ProgramFile(), L"ExcludeList"), L"ERUNTs own") << "ERUNT's file came over";
    EXPECT_EQ(Read(ProgramFile(), L"DefaultDestinationFolder"), fields.tSicherungen);
    EXPECT_EQ(Read(ProgramFile(), L"InstallFolder"), erunt_);
    EXPECT_EQ(Read(ProgramFile(), L"BootClean"), L"C:\\Prefetch");
    EXPECT_EQ(Read(ProgramFile(), L"RegCleaner"), L"C:\\RegCleaner");
    EXPECT_EQ(Read(ProgramFile(), L"WinPatch"), L"C:\\Patches");
    EXPECT_EQ(Read(EruntFile(), L"InstallFolder"), L"") << "ERUNT's file gets only ERUNT's keys";
}

TEST_F(SettingsStoreTest, TheBackupOfTheProgramFileIsMadeOnce) {
    Write(ProgramFile(), L"WinPatch", L"vorher");
    SetDatabase(Fields(erunt_), program_);
    const std::string backup = ReadBytes(program_ + L"\\ERUNT.INI_BAK");
    EXPECT_NE(backup.find("WinPatch=vorher"), std::string::npos);
    EXPECT_EQ(backup.find("DateFormat"), std::string::npos) << "taken before ERUNT's file came over";

    Write(ProgramFile(), L"WinPatch", L"nachher");
    SetDatabase(Fields(erunt_), program_);
    EXPECT_EQ(ReadBytes(program_ + L"\\ERUNT.INI_BAK"), backup);
}

TEST_F(SettingsStoreTest, FlagsTickTheirBoxesWhenTheyReadAsANumberOtherThanZero) {
    Write(ProgramFile(), L"InstallFolder", erunt_);
    for (const auto& [value, ticked] : {std::pair{L"1", true}, std::pair{L"2", true}, std::pair{L"0", false},
                                        std::pair{L"", false}, std::pair{L"x", false}}) {
        Write(EruntFile(), L"AppendDateToFolderEditField", value);
        Write(EruntFile(), L"DisableFastBackup", value);
        const SettingsFields fields = GetDatabase(program_);
        EXPECT_EQ(fields.bSubfolder, ticked) << "value " << static_cast<char>(value[0]);
        EXPECT_EQ(fields.bComplete, ticked);
    }
}

TEST_F(SettingsStoreTest, LoadingReadsEachKeyFromItsFile) {
    Write(ProgramFile(), L"InstallFolder", erunt_);
    Write(ProgramFile(), L"DefaultDestinationFolder", L"aus der Programmdatei");
    Write(EruntFile(), L"DefaultDestinationFolder", L"D:\\Sicherungen");
    const SettingsFields fields = GetDatabase(program_);
    EXPECT_EQ(fields.tInstall, erunt_);
    EXPECT_EQ(fields.tSicherungen, L"D:\\Sicherungen");
}

TEST_F(SettingsStoreTest, EmptyInstallFolderShowsTheProgramFolderOnlyWhenItsFileExists) {
    SettingsFields fields = GetDatabase(program_);
    EXPECT_EQ(fields.tInstall, L"");
    EXPECT_EQ(fields.tSicherungen, L"");
    EXPECT_FALSE(fields.bSubfolder);

    Write(ProgramFile(), L"DefaultDestinationFolder", L"D:\\Sicherungen");
    fields = GetDatabase(program_);
    EXPECT_EQ(fields.tInstall, program_);
    EXPECT_EQ(fields.tSicherungen, L"D:\\Sicherungen") << "ERUNT's keys come from the program folder then";
}

TEST_F(SettingsStoreTest, ToolFolderWithoutItsProgramShowsEmptyAndTheFileKeepsIt) {
    const std::wstring cleaner = root_ / L"RegCleaner";
    const std::wstring prefetch = root_ / L"Prefetch";
    CreateDirectoryW(cleaner.c_str(), nullptr);
    CreateDirectoryW(prefetch.c_str(), nullptr);
    WriteBytes(prefetch + kPrefetchCleaner, "MZ");
    Write(ProgramFile(), L"RegCleaner", cleaner);
    Write(ProgramFile(), L"BootClean", prefetch);

    const SettingsFields fields = GetDatabase(program_);
    EXPECT_EQ(fields.tCleaner, L"");
    EXPECT_EQ(fields.tBootClean, prefetch);
    EXPECT_EQ(Read(ProgramFile(), L"RegCleaner"), cleaner);
}

TEST_F(SettingsStoreTest, FolderOutsideTheAnsiCodePageIsStoredSoThatItStillNamesTheFolder) {
    const std::wstring erunt = root_ / L"Программы Erunt";
    ASSERT_TRUE(CreateDirectoryW(erunt.c_str(), nullptr));
    SetDatabase(Fields(erunt), program_);

    const SettingsFields fields = GetDatabase(program_);
    wchar_t longForm[MAX_PATH] = {};
    ASSERT_NE(GetLongPathNameW(fields.tInstall.c_str(), longForm, MAX_PATH), 0u) << "names an existing folder";
    EXPECT_EQ(std::wstring(longForm).substr(std::wstring(longForm).rfind(L'\\') + 1), L"Программы Erunt");
    EXPECT_EQ(Read(erunt + L"\\ERUNT.INI", L"DateSeparator"), L"-") << "ERUNT's keys went into that folder";
}

} // namespace
