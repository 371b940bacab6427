// What the tool launchers and the patch loader decide, through a recording host.
#include "RecordingHost.h"
#include "launchers/Addresses.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "resource.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolLaunchersTest, EachToolGetsItsCommandLineAndTheProgramCloses) {
    struct Row {
        void (*click)(ActionHost&);
        const wchar_t* key;
        const wchar_t* executable;
        const wchar_t* arguments; // nullptr: started from its folder, path alone
    };
    for (const Row row :
         {Row{bOptimierung_Click, Keys::InstallFolder, L"NTREGOPT.EXE", L" /reboot"},
          Row{bDefragment_Click, Keys::InstallFolder, L"PAGEDFRG.EXE", L" /reboot"},
          Row{bCleaner_Click, Keys::RegCleaner, L"REGCLEANR.EXE", nullptr},
          Row{bBootClean_Click, Keys::BootClean, L"WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE", nullptr}}) {
        for (const bool present : {true, false}) {
            ActionScene scene;
            RecordingHost host;
            const std::wstring tool = scene.Path(L"Werkzeug Ordner\\") + row.executable;
            if (present)
                ActionScene::Touch(tool);
            ActionScene::Set(row.key, scene.Path(L"Werkzeug Ordner"));
            row.click(host);
            // The tools that need a restart are looked for first; the others are started blindly.
            const bool starts = present || !row.arguments;
            ASSERT_EQ(host.started.size(), starts ? 1u : 0u) << row.executable;
            EXPECT_EQ(host.handedOver, starts);
            if (!starts)
                continue;
            EXPECT_EQ(host.started[0].executable, tool);
            EXPECT_EQ(host.started[0].commandLine, row.arguments ? L"\"" + tool + L"\"" + row.arguments : tool);
        }
    }
}

TEST(ToolLaunchersTest, UpdatesShowTheTextInTheSystemsEditorAndTheHomePage) {
    for (const bool text : {true, false}) {
        ActionScene scene;
        RecordingHost host;
        if (text)
            ActionScene::Touch(ProgramFolder() + L"\\ERUNT.TXT");
        bUpdates_Click(host);
        ASSERT_EQ(host.started.size(), text ? 1u : 0u);
        if (text) {
            const std::wstring notepad = SystemDirectory() + L"\\Notepad.exe";
            EXPECT_EQ(host.started[0].executable, notepad);
            EXPECT_EQ(host.started[0].commandLine, notepad + L" " + ProgramFolder() + L"\\ERUNT.TXT");
            EXPECT_EQ(host.started[0].show, SW_SHOWNOACTIVATE);
        }
        EXPECT_EQ(host.opened, std::vector<std::wstring>{kEruntHomePage});
        EXPECT_FALSE(host.exitCode);
    }
}

TEST(PatchLoaderTest, RunsThePickedLoaderWithMshta) {
    ActionScene scene;
    const std::wstring picked = scene.Path(L"Patch Ordner");
    ActionScene::Touch(picked + L"\\vrnPatchLoader.hta");
    RecordingHost host;
    host.folders = {scene.Path(L"leer"), picked};
    host.answers = {IDRETRY};
    bPatchLoader_Click(host);
    ASSERT_EQ(host.questions.size(), 1u) << "the first pick held no loader";
    EXPECT_EQ(host.opened, std::vector<std::wstring>{kPatchLoaderDownload});
    EXPECT_EQ(ReadIniValue(ProgramFolder() + L"\\ERUNT.INI", L"ERUNT", Keys::WinPatch), picked);
    const std::wstring mshta = SystemDirectory() + L"\\MSHTA.EXE";
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].commandLine, L"\"" + mshta + L"\" \"" + picked + L"\\vrnPatchLoader.hta\"");
    EXPECT_TRUE(host.handedOver);

    // The preferred loader wins; a cancelled search starts nothing and frees the button.
    ActionScene::Touch(picked + L"\\vrnRedezoreDereri.hta");
    RecordingHost again;
    bPatchLoader_Click(again);
    ASSERT_EQ(again.started.size(), 1u);
    EXPECT_NE(again.started[0].commandLine.find(L"vrnRedezoreDereri.hta"), std::wstring::npos);
    ActionScene::Set(Keys::WinPatch, L"");
    RecordingHost cancelled;
    bPatchLoader_Click(cancelled);
    EXPECT_TRUE(cancelled.started.empty());
    EXPECT_TRUE(cancelled.buttons[IDC_BPATCHLOADER]);
}

} // namespace
