#pragma once
// A fresh folder laid out for one test of the whole program: the program itself,
// stand-ins for the outside tools under their file names, settings files, and the
// log in which every stand-in records how it was started. The folder's name holds
// a space and an umlaut, so every path the program builds is tested with both.
//
// While a Scenario lives, HIVORA_STANDIN_LOG of the test process names its log,
// so stand-ins that the test starts itself (or through the shell) record there too.
// Everything the scenario changed outside its folder (the browser registration,
// stand-ins put into system folders) is put back when it goes.
#include "RunningProgram.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One start of a stand-in, as it recorded it.
struct StandinRecord {
    std::wstring name;        // the file name it was started under, as on disk
    std::wstring commandLine; // GetCommandLineW, unchanged
    std::wstring folder;      // its working folder
    int show = -1;            // STARTUPINFO's wShowWindow, -1 without STARTF_USESHOWWINDOW

    // The command line split after the program's path. Compare these rather than the
    // whole line where the program's path is unquoted and holds spaces: Wine's
    // CreateProcess then puts quotes around it, Windows passes the line unchanged.
    std::wstring ProgramPath() const; // without quotes
    std::wstring Arguments() const;   // as given, without the space that separates it
};

// A path the build passes in as text (a compile definition), as a Windows path:
// under Wine a Unix path ("/work/...") is reached through drive Z:.
std::wstring BuildPath(const char* path);

class Scenario {
public:
    using Duration = std::chrono::milliseconds;

    Scenario();
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    // The built program and stand-in that scenarios copy (full Windows paths).
    static std::wstring BuiltProgram();
    static std::wstring BuiltStandin();

    // The scenario folder, without a trailing backslash.
    const std::wstring& Folder() const { return folder_; }
    // A path inside the scenario folder ("Tools\\x.exe" -> "<folder>\\Tools\\x.exe").
    std::wstring PathOf(const std::wstring& relative) const;

    // Copies the program in; answers its full path.
    std::wstring AddProgram(const std::wstring& relative = L"HIVORA.exe");
    // Copies the stand-in in under this relative name, creating folders; answers its full path.
    std::wstring AddStandin(const std::wstring& relative);
    // Copies the stand-in to a path outside the scenario (MSHTA.EXE in the system folder);
    // a file that was there comes back when the scenario goes. Copy from a test of the
    // program's own bitness, so both see the same folder through any redirection.
    // A path in the system folder gets the stand-in in the 64-bit and the 32-bit system
    // folder alike; under Wine the file name is also set to "native" in Wine's DLL
    // overrides, since Wine otherwise runs its built-in program of that name instead.
    std::wstring PlaceStandinAt(const std::wstring& absolutePath);
    // Copies any file in (a test helper of one's own).
    std::wstring CopyIn(const std::wstring& source, const std::wstring& relative);

    std::wstring MakeFolder(const std::wstring& relative);
    std::wstring Write(const std::wstring& relative, const std::string& bytes);
    std::string Read(const std::wstring& relative) const;
    bool Exists(const std::wstring& relative) const;
    // Sets a file's or folder's last-modified time to now minus the given age.
    void SetAge(const std::wstring& relative, std::chrono::hours age);
    // One value of an INI file (created with its folder when missing).
    void WriteIni(const std::wstring& relativeIni, const std::wstring& section, const std::wstring& key,
                  const std::wstring& value);
    std::wstring ReadIni(const std::wstring& relativeIni, const std::wstring& section, const std::wstring& key) const;

    // Makes the shell open http and https addresses with a stand-in copied in under
    // this name, so opening an address records it instead of reaching a real browser.
    std::wstring RegisterBrowser(const std::wstring& relative = L"browser.exe");

    // Extra environment for programs that Start launches (HIVORA_STANDIN_PROFILE, ...);
    // an empty value removes the variable.
    void SetEnvironment(const std::wstring& name, const std::wstring& value);

    // Starts the program copied in by AddProgram (or any program in the scenario) from
    // the scenario folder, with the log and the extra environment set.
    RunningProgram Start(const std::wstring& arguments = {}, const std::wstring& relativeProgram = L"HIVORA.exe");

    const std::wstring& LogPath() const { return log_; }
    std::vector<StandinRecord> ReadLog() const;
    // Waits until the log holds at least this many records; answers what it holds then.
    std::vector<StandinRecord> WaitForLog(size_t count, Duration timeout = std::chrono::seconds(15)) const;
    // The records of stand-ins started under this name (letter case ignored).
    std::vector<StandinRecord> RecordsOf(const std::wstring& name) const;

private:
    struct SavedValue {
        HKEY root;
        REGSAM view;
        std::wstring key;
        std::optional<std::wstring> value; // the default value before; nothing when the key was new
    };

    std::wstring folder_;
    std::wstring log_;
    std::optional<std::wstring> previousLog_;
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> savedOverrides_; // Wine's, name and value
    std::map<std::wstring, std::wstring> environment_;
    std::vector<SavedValue> savedValues_;
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> placedFiles_; // path, backup copy
};
