#pragma once
// Whether this process may start the registry's tools: ERUNT, AUTOBACK, NTREGOPT,
// PAGEDFRG, a restorer and the patch loader fail, silently or half-way, without
// an administrator's full rights.
#include <string>

enum class Rights {
    Full,
    // Not now, but the system can start the program again with them once an administrator consents.
    Elevatable,
    None,
};

// From Vista on, full rights take an elevated token: an administrator's is filtered
// until it is elevated, and a standard account's never is. Before, they take
// membership of Administrators. In both, Administrators for deny only counts as none.
Rights RightsOf(bool vistaOrLater, bool elevated, bool administrator);
// This process's rights.
Rights ProcessRights();
// Starts this program again with these arguments, the system asking for an
// administrator's consent; ERROR_SUCCESS when it started, else the reason.
unsigned long RestartWithFullRights(const std::wstring& arguments);
