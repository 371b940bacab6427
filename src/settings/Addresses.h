#pragma once
// Web addresses the program opens in the user's browser.

// ERUNT's home page, which is also where it is downloaded; like the tools
// below, it is found by a search rather than at a fixed address.
inline constexpr wchar_t kEruntHomePage[] = L"https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download";
inline constexpr wchar_t kEruntDownloadPage[] =
    L"https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download";
// The last line of the messages that offer ERUNT's download.
inline constexpr wchar_t kEruntDownloadLine[] =
    L"Download unter: https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download";
// The prefetch cleaner and RegCleaner are long out of development and move
// between download archives; a search finds wherever they are kept now.
inline constexpr wchar_t kPrefetchCleanerDownload[] =
    L"https://duckduckgo.com/?q=%22Windows+XP+Prefetch+Clean+and+Control%22+Jester2K+download";
inline constexpr wchar_t kRegCleanerDownload[] = L"https://duckduckgo.com/?q=RegCleaner+4.0.3.780+download";
inline constexpr wchar_t kPatchLoaderDownload[] = L"https://duckduckgo.com/?q=vrnPatchLoader.hta";
