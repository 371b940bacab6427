#include "services/LogonTask.h"

#include <gtest/gtest.h>

// The account's log-on, highest rights, on battery too, enabled, the program in its folder; every text escaped.
TEST(LogonTaskTest, StartsTheProgramAtTheAccountsLogOnWithItsHighestRights) {
    const std::wstring definition =
        LogonTaskDefinition({L"PC\\Jürgen & <Co>", L"\"C:\\A & B %FOLDER%\\HIVORA.exe\"", L"/Auto", L"C:\\A & B"});
    for (const wchar_t* part :
         {L"<LogonTrigger><UserId>PC\\Jürgen &amp; &lt;Co&gt;</UserId></LogonTrigger>",
          L"<UserId>PC\\Jürgen &amp; &lt;Co&gt;</UserId>\n      <LogonType>InteractiveToken</LogonType>\n"
          L"      <RunLevel>HighestAvailable</RunLevel>",
          L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>",
          L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>\n    <Enabled>true</Enabled>",
          L"<Command>\"C:\\A &amp; B %FOLDER%\\HIVORA.exe\"</Command>\n      <Arguments>/Auto</Arguments>\n"
          L"      <WorkingDirectory>C:\\A &amp; B</WorkingDirectory>"})
        EXPECT_NE(definition.find(part), std::wstring::npos) << part;
}
