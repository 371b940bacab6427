#pragma once
// A fresh folder under the temporary folder, removed with everything in it. Its
// name holds a space and an umlaut, so every path built from it is tested with both.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

class ScratchFolder {
public:
    ScratchFolder() {
        static unsigned counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                (L"Hivora Prüfung-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        // A program that just ended may hold a file for a moment more.
        for (int attempt = 0; attempt < 200; ++attempt) {
            std::error_code error;
            if (std::filesystem::remove_all(path_, error), !error)
                return;
            Sleep(25);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Without a trailing backslash, as the program writes folders.
    std::wstring Path() const { return path_.wstring(); }
    std::wstring operator/(const std::wstring& relative) const { return (path_ / relative).wstring(); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}
