#pragma once
// A fresh temporary folder, removed with its content; its name holds a space and an umlaut, tested everywhere.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

class ScratchFolder {
public:
    ScratchFolder() {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        // A program that just ended may hold a file for a moment more.
        std::error_code error;
        for (int attempt = 0; attempt < 200 && (std::filesystem::remove_all(path_, error), error); ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Without a trailing backslash, as the program writes folders.
    std::wstring Path() const { return path_.wstring(); }
    std::wstring operator/(const std::wstring& relative) const { return (path_ / relative).wstring(); }

private:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / (L"Hivora Prüfung-" + std::to_wstring(std::random_device{}()));
};

// Creates the file and its folders.
inline std::filesystem::path WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

#ifdef _WIN32
#include <windows.h>

// Lets every account do everything to the file or folder: a security descriptor without a DACL.
inline bool OpenToEveryAccount(const std::wstring& path) {
    SECURITY_DESCRIPTOR open;
    return InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION) &&
           SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE) &&
           SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, &open);
}
#endif
