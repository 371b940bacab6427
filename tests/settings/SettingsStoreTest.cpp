#include "settings/SettingsStore.h"

#include "ScratchFolder.h"
#include "services/Dateiexistenz.h"
#include "services/FileDirPath.h"
#include "services/IniFiles.h"

#include <gtest/gtest.h>

namespace {

// A program folder with a short 8.3 name and a separate ERUNT folder.
class SettingsStoreTest : public testing::Test {
protected:
    ScratchFolder root_;
    std::wstring program_ = Made(root_ / L"Hivora Programm"), erunt_ = Made(root_ / L"Erunt");
    std::wstring programFile_ = program_ + L"\\ERUNT.INI", eruntFile_ = erunt_ + L"\\ERUNT.INI";
    std::wstring backup_ = program_ + L"\\ERUNT.INI_BAK";

    static std::wstring Made(std::wstring folder) { return std::filesystem::create_directories(folder), folder; }
    static std::wstring Read(const std::wstring& file, const wchar_t* key) { return ReadIniValue(file, L"ERUNT", key); }
    static void Write(const std::wstring& file, const wchar_t* key, const std::wstring& value) {
        WriteIniValue(file, L"ERUNT", key, value);
    }
    bool Store(const std::wstring& install, const std::wstring& folder) {
        return SetDatabase({install, L"D:\\Sicherungen", false, true, L"C:\\Prefetch", L"C:\\RegCleaner"}, folder);
    }
};

TEST_F(SettingsStoreTest, TheProgramFolderUnderAnotherSpellingGetsNoCopy) {
    const std::wstring shortForm = ShortForm(program_);
    ASSERT_NE(shortForm, program_);
    for (const std::wstring& install : {std::wstring(), root_ / L"HIVORA PROGRAMM", shortForm}) {
        EXPECT_TRUE(Store(install, program_));
        EXPECT_FALSE(PathExists(backup_)) << install;
        EXPECT_EQ(Read(programFile_, L"InstallFolder"), install);
        EXPECT_EQ(Read(programFile_, L"DisableFastBackup"), L"1");
    }
}

TEST_F(SettingsStoreTest, CarryOverKeepsTheOwnKeysAndTheFirstBackup) {
    Write(programFile_, L"WinPatch", L"C:\\Patches");
    Write(eruntFile_, L"ExcludeList", L"ERUNTs own");
    ASSERT_TRUE(Store(erunt_, program_));
    const std::string backup = ReadBytes(backup_);
    EXPECT_NE(backup.find("WinPatch=C:\\Patches"), std::string::npos);
    EXPECT_EQ(backup.find("ExcludeList"), std::string::npos) << "taken before ERUNT's file came over";
    for (const std::wstring& line : std::vector<std::wstring>{
             L"InstallFolder=" + erunt_, L"BootClean=C:\\Prefetch", L"RegCleaner=C:\\RegCleaner",
             L"WinPatch=C:\\Patches", L"ExcludeList=ERUNTs own", L"DefaultDestinationFolder=D:\\Sicherungen",
             L"AppendDateToFolderEditField=0", L"DisableFastBackup=1", L"DateFormat=yyyy/mm/dd", L"DateSeparator=-",
             L"TimeFormat=hh:mm:ss", L"TimeSeparator=."}) {
        const size_t equals = line.find(L'=');
        EXPECT_EQ(Read(programFile_, line.substr(0, equals).c_str()), line.substr(equals + 1)) << line;
    }

    Write(programFile_, L"WinPatch", L"nachher");
    Store(erunt_, program_);
    EXPECT_EQ(ReadBytes(backup_), backup);
    EXPECT_FALSE(Store(root_ / L"fehlt", program_)) << "ERUNT's file cannot be written";
    EXPECT_FALSE(Store(L"", root_ / L"fehlt")) << "the program's file cannot be written";
}

TEST_F(SettingsStoreTest, LoadingReadsEachFieldFromItsFile) {
    EXPECT_EQ(GetDatabase(program_).tInstall, L"") << "no program settings file yet";
    Write(programFile_, L"BootClean", erunt_);
    EXPECT_EQ(GetDatabase(program_).tInstall, program_);

    WriteBytes(erunt_ + kPrefetchCleaner, "MZ");
    Write(programFile_, L"RegCleaner", program_);
    Write(programFile_, L"InstallFolder", erunt_);
    Write(eruntFile_, L"DefaultDestinationFolder", L"D:\\Sicherungen");
    for (const auto& [value, ticked] :
         {std::pair{L"1", true}, {L"2", true}, {L"0", false}, {L"", false}, {L"x", false}}) {
        Write(eruntFile_, L"AppendDateToFolderEditField", value);
        Write(eruntFile_, L"DisableFastBackup", value);
        const SettingsFields fields = GetDatabase(program_);
        EXPECT_EQ(fields.bSubfolder, ticked) << value;
        EXPECT_EQ(fields.bComplete, ticked) << value;
        EXPECT_EQ(fields.tInstall, erunt_);
        EXPECT_EQ(fields.tSicherungen, L"D:\\Sicherungen");
        EXPECT_EQ(fields.tBootClean, erunt_);
        EXPECT_EQ(fields.tCleaner, L"") << "no REGCLEANR.EXE there";
    }
    EXPECT_EQ(Read(programFile_, L"RegCleaner"), program_);
}

} // namespace
