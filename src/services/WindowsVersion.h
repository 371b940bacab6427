#pragma once
#include <windows.h>

// The version the system reports to this program (Windows may report an older
// one to a program without a manifest entry for it; only the major and minor
// number and the platform are shown or asked).
OSVERSIONINFOW WindowsVersion();
