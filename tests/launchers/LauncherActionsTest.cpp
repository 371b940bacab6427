// What the tool launchers and the patch loader decide, through a recording host.
#include "RecordingHost.h"
#include "launchers/Addresses.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "resource.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(PatchLoaderTest, RunsThePickedLoaderWithMshta) {
    ActionScene scene;
    const std::wstring picked = scene / L"Patch Ordner";
    ActionScene::Touch(picked + L"\\vrnPatchLoader.hta");
    RecordingHost host;
    host.folders = {scene / L"leer", picked};
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

// NTREGOPT or PAGEDFRG missing from ERUNT's folder: the click does nothing. The cleaners are started
// unchecked from their folders, and the program closes all the same.
TEST(ToolLaunchersTest, OnlyTheCleanersAreHandedOverWhenTheToolIsMissing) {
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    ActionScene::Set(Keys::BootClean, scene / L"fehlt");
    for (const auto& [click, handedOver] :
         {std::pair{&bOptimierung_Click, false}, {&bDefragment_Click, false}, {&bBootClean_Click, true}}) {
        RecordingHost host;
        click(host);
        EXPECT_EQ(host.started.size(), handedOver ? 1u : 0u);
        EXPECT_EQ(host.handedOver, handedOver);
    }
}
