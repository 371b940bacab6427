#pragma once
// Web addresses the program opens in the user's browser.

// ERUNT's home page, which is also where it is downloaded.
inline constexpr wchar_t kEruntHomePage[] = L"https://www.larshederer.homepage.t-online.de/erunt/";
inline constexpr wchar_t kEruntDownloadPage[] = L"https://www.larshederer.homepage.t-online.de/erunt/";
