#include "settings/SettingsForm.h"

#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/FileSecurity.h"
#include "services/FolderListing.h"
#include "services/IniFiles.h"
#include "services/Messages.h"
#include "services/UniqueHandle.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace {

constexpr wchar_t kHivoraTitle[] = L" Hivora";
constexpr wchar_t kBackupFolderTitle[] = L" Emergency Recovery Folder";

struct ToolFolder {
    const wchar_t* key;
    std::initializer_list<const wchar_t*> executables;
    const wchar_t* title;
    std::initializer_list<std::wstring_view> message;
    const wchar_t* download;
};

// In the order of ToolFolderKind.
const ToolFolder kToolFolders[] = {
    {Keys::InstallFolder,
     {L"\\ERUNT.EXE", L"\\NTREGOPT.EXE"},
     kEruntTitle,
     {L"In diesem Ordner konnte keine Installation von Erunt und NtRegOpt gefunden werden.   ",
      L"Erunt - Das Emergency Recovery Utility NT Version 1.1g, 02.11.2004 (Freeware)",
      L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden.", kEruntDownloadLine},
     kEruntDownloadPage},
    {Keys::BootClean,
     {kPrefetchCleaner},
     L" Prefetch Clean And Control Erweiterung",
     {L"In diesem Ordner konnte keine Installation von Windows XP Prefetch Clean and Control gefunden werden.   ",
      L"Jester2K Software - Windows XP Prefetch Clean and Control 1.2 für Windows XP, 30.10.2002 (Freeware)",
      L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden."},
     kPrefetchCleanerDownload},
    {Keys::RegCleaner,
     {kRegCleaner},
     L" RegCleaner Erweiterung",
     {L"In diesem Ordner konnte keine Installation von RegCleaner gefunden werden.   ",
      L"Quellmar - RegCleaner 4.0.3.780 für Windows 95/XP, 01.11.2002 (Freeware)",
      L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden."},
     kRegCleanerDownload},
};

bool HoldsFiles(const std::wstring& folder) {
    const std::vector<FolderEntry> entries = FolderEntries(folder);
    return std::any_of(entries.begin(), entries.end(), [](const FolderEntry& entry) { return !entry.IsFolder(); });
}

std::string FileBytes(const std::wstring& path) {
    const UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > (1 << 24))
        return {};
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

// ERUNT's language file is German when it speaks of the "Registrierung".
bool IsGermanLanguageFile(const std::wstring& path) {
    std::string text = FileBytes(path);
    // All but the last two bytes, as ERUNT's own reader takes it.
    text.resize(text.size() > 2 ? text.size() - 2 : 0);
    constexpr std::string_view kWord = "registrierung";
    return std::search(text.begin(), text.end(), kWord.begin(), kWord.end(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }) != text.end();
}

} // namespace

SettingsForm::SettingsForm(Prompts& prompts) : fields(GetDatabase(ProgramFolder())), prompts_(prompts) {}

bool SettingsForm::BackupGroupUsable() const {
    return PathExists(fields.tInstall);
}

// The folder the user picks, or "" when cancelled or when the settings file
// could not hold it so that ERUNT reads it back as the same folder.
std::wstring SettingsForm::ChooseStorableFolder() {
    const std::wstring folder = prompts_.ChooseFolder();
    if (folder.empty() || SettingsFormOfFolder(folder))
        return folder;
    prompts_.Ask({kUnstorableFolderMessage}, kHivoraTitle, MB_OK | MB_ICONEXCLAMATION);
    return {};
}

bool SettingsForm::ChooseToolFolder(ToolFolderKind kind) {
    const ToolFolder& tool = kToolFolders[static_cast<int>(kind)];
    const std::wstring folder = ChooseStorableFolder();
    if (folder.empty())
        return false;
    const bool complete = std::all_of(tool.executables.begin(), tool.executables.end(),
                                      [&](const wchar_t* executable) { return FileExists(folder + executable); });
    if (!complete) {
        if (prompts_.Ask(tool.message, tool.title, MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY)
            prompts_.Open(tool.download);
        return false;
    }
    if (!StoreChosenFolder(prompts_, tool.key, folder, kHivoraTitle))
        return false;
    fields = GetDatabase(ProgramFolder());
    return true;
}

bool SettingsForm::ChooseBackupFolder() {
    const std::wstring folder = ChooseStorableFolder();
    if (folder.empty())
        return false;
    if (HoldsFiles(folder) &&
        prompts_.Ask({L"Dieses Verzeichnis ist nicht leer, es sind noch andere Dateien vorhanden.   ",
                      L"Möchten Sie den Ordner trotzdem als Sicherungsort verwenden ?"},
                     kBackupFolderTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return false;
    // Restoring starts a backup's Erdnt.exe with full rights; the choice stays the user's.
    if (const std::wstring open = OpenPlace({folder}); !open.empty())
        prompts_.Ask({L"Andere Konten können ''" + open + L"'' ändern und damit auch die Sicherungen darin.   ",
                      L"Eine solche Sicherung wird nur nach einer Warnung wiederhergestellt.",
                      L"Sicher sind Sicherungen in einem Ordner, den nur Administratoren ändern können, etwa im "
                      L"Ordner ''Programme''."},
                     kBackupFolderTitle, MB_OK | MB_ICONEXCLAMATION);
    fields.tSicherungen = folder;
    return true;
}

// True when the user wants the German language files in place of ERUNT's own.
bool SettingsForm::CheckLOC() {
    const std::wstring languageFile = fields.tInstall + L"\\ERUNT.LOC";
    return FileExists(languageFile) && !IsGermanLanguageFile(languageFile) &&
           prompts_.Ask({L"Möchten Sie die Sprache ''Deutsch'' für Erunt und NtRegOpt installieren ?   "}, kEruntTitle,
                        MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

SettingsOutcome SettingsForm::Ready() {
    if (!PathExists(fields.tInstall)) {
        prompts_.Ask({L"Der Installationsordner ist ungültig oder Zugriffsfehler während der Überprüfung.    "},
                     kHivoraTitle, MB_OK | MB_ICONSTOP);
        return {};
    }
    if (!PathExists(fields.tSicherungen)) {
        prompts_.Ask({L"Der Sicherungsordner ist ungültig oder Zugriffsfehler während der Überprüfung.    "},
                     kHivoraTitle, MB_OK | MB_ICONSTOP);
        return {};
    }
    const bool languageFilesWanted = CheckLOC();
    if (!SetDatabase(fields, ProgramFolder())) {
        prompts_.Ask({L"Die Einstellungen konnten nicht gespeichert werden.   ", kNeedsAdministrator}, kHivoraTitle,
                     MB_OK | MB_ICONSTOP);
        return {};
    }
    return {true, languageFilesWanted};
}
