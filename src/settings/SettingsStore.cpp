#include "settings/SettingsStore.h"

#include "services/Dateiexistenz.h"
#include "services/FileDirPath.h"
#include "services/IniFiles.h"
#include "services/MessagePump.h"
#include "services/Text.h"
#include "settings/Settings.h"

#include <windows.h>

#include <array>
#include <utility>

namespace {

class SettingsFiles {
public:
    explicit SettingsFiles(const std::wstring& programFolder) : programFolder_(programFolder) {}

    const std::wstring& ProgramFolder() const { return programFolder_; }
    std::wstring ProgramFile() const { return programFolder_ + L"\\ERUNT.INI"; }
    std::wstring EruntFile(const std::wstring& installFolder) const {
        return (installFolder.empty() ? programFolder_ : installFolder) + L"\\ERUNT.INI";
    }
    std::wstring Read(const wchar_t* key) const { return ReadIniValue(ProgramFile(), kSettingsSection, key); }
    bool Write(const wchar_t* key, const std::wstring& value) const {
        return WriteIniValue(ProgramFile(), kSettingsSection, key, value) != 0;
    }

private:
    std::wstring programFolder_;
};

// A tool folder without its executable shows empty; the file keeps the value.
std::wstring ToolFolder(const SettingsFiles& files, const wchar_t* key, const wchar_t* executable) {
    const std::wstring folder = files.Read(key);
    return !folder.empty() && !FileExists(folder + executable) ? std::wstring() : folder;
}

// A folder stored in its short 8.3 form is still the same folder.
bool SameFolder(const std::wstring& first, const std::wstring& second) {
    return SameTextIgnoringCase(LongForm(first), LongForm(second));
}

// ERUNT's file does not hold the program's own keys, so copying it over the
// program's file would lose them; they are written back as they were.
bool CarryOver(const SettingsFiles& files, const std::wstring& eruntFile) {
    const std::wstring programFile = files.ProgramFile();
    const std::wstring backup = files.ProgramFolder() + L"\\ERUNT.INI_BAK";
    bool stored = FileExists(backup) || CopyFileW(programFile.c_str(), backup.c_str(), TRUE);

    std::array<std::pair<const wchar_t*, std::wstring>, 4> ownKeys = {
        {{Keys::InstallFolder, {}}, {Keys::BootClean, {}}, {Keys::RegCleaner, {}}, {Keys::WinPatch, {}}}};
    for (auto& [key, value] : ownKeys)
        value = files.Read(key);
    stored = CopyFileW(eruntFile.c_str(), programFile.c_str(), FALSE) && stored;
    for (const auto& [key, value] : ownKeys)
        stored = files.Write(key, value) && stored;
    DoEvents();
    return stored;
}

} // namespace

SettingsFields GetDatabase(const std::wstring& programFolder) {
    const SettingsFiles files(programFolder);
    SettingsFields fields;
    fields.tInstall = files.Read(Keys::InstallFolder);
    const std::wstring eruntFile = files.EruntFile(fields.tInstall);
    if (fields.tInstall.empty() && FileExists(files.ProgramFile()))
        fields.tInstall = programFolder;
    fields.tBootClean = ToolFolder(files, Keys::BootClean, kPrefetchCleaner);
    fields.tCleaner = ToolFolder(files, Keys::RegCleaner, kRegCleaner);
    const auto readErunt = [&](const wchar_t* key) { return ReadIniValue(eruntFile, kSettingsSection, key); };
    fields.tSicherungen = readErunt(Keys::DefaultDestinationFolder);
    fields.bSubfolder = NumberValue(readErunt(Keys::AppendDateToFolderEditField)) != 0;
    fields.bComplete = NumberValue(readErunt(Keys::DisableFastBackup)) != 0;
    return fields;
}

bool SetDatabase(const SettingsFields& fields, const std::wstring& programFolder) {
    const SettingsFiles files(programFolder);
    bool stored = files.Write(Keys::InstallFolder, fields.tInstall);
    const std::wstring eruntFile = files.EruntFile(fields.tInstall);
    stored = files.Write(Keys::BootClean, fields.tBootClean) && stored;
    stored = files.Write(Keys::RegCleaner, fields.tCleaner) && stored;

    const auto writeErunt = [&](const wchar_t* key, const std::wstring& value) {
        stored = WriteIniValue(eruntFile, kSettingsSection, key, value) != 0 && stored;
    };
    writeErunt(Keys::DefaultDestinationFolder, fields.tSicherungen);
    writeErunt(Keys::AppendDateToFolderEditField, fields.bSubfolder ? L"1" : L"0");
    writeErunt(Keys::DisableFastBackup, fields.bComplete ? L"1" : L"0");
    for (const auto& [key, value] : kEruntDateSettings)
        writeErunt(key, value);
    writeErunt(Keys::TimeFormat, L"hh:mm:ss");
    writeErunt(Keys::TimeSeparator, L".");
    DoEvents();

    const std::wstring eruntFolder = fields.tInstall.empty() ? programFolder : fields.tInstall;
    if (!SameFolder(programFolder, eruntFolder))
        stored = CarryOver(files, eruntFile) && stored;
    return stored;
}
