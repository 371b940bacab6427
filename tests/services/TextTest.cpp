#include "services/Text.h"

#include <gtest/gtest.h>

TEST(IgnoringCaseTest, ComparesLikeTheFileSystemWhateverTheUsersLanguage) {
    const struct {
        const wchar_t* first;
        const wchar_t* second;
        int order; // below, at or above zero
    } rows[] = {
        {L"Sysreg", L"SYSREG", 0},
        {L"Müller-Lüdenscheidt", L"MÜLLER-LÜDENSCHEIDT", 0},
        {L"папка", L"ПАПКА", 0},
        {L"Straße", L"STRASSE", 1}, // no linguistic expansion
        {L"a_b", L"AB", 1},         // by code, '_' after the letters
        {L"archiv", L"Sysreg", -1},
        {L"Sysreg", L"Sysreg2", -1},
        {L"", L"a", -1},
    };
    for (const auto& row : rows) {
        const int order = CompareIgnoringCase(row.first, row.second);
        EXPECT_EQ((order > 0) - (order < 0), row.order) << row.first << L" / " << row.second;
        EXPECT_EQ(SameTextIgnoringCase(row.first, row.second), row.order == 0) << row.first << L" / " << row.second;
    }
}
