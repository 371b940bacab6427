// What the settings window decides, through a recording host.
#include "RecordingHost.h"
#include "container/clsMultiFile.h"
#include "launchers/PatchLoader.h"
#include "settings/LanguageFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsForm.h"

#include <gtest/gtest.h>

namespace {

// A tool folder is stored at once only with its tool, the fields then loaded afresh; else Retry opens its page.
TEST(SettingsFormTest, AToolFolderIsStoredAtOnceOnlyWithItsTool) {
    const wchar_t* keys[] = {L"InstallFolder", L"BootClean", L"RegCleaner"}; // in the order of the kinds
    const std::tuple<ToolFolderKind, const wchar_t*, const wchar_t*> rows[] = {
        {ToolFolderKind::Erunt, nullptr, L"https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download"},
        {ToolFolderKind::PrefetchCleaner, nullptr,
         L"https://duckduckgo.com/?q=%22Windows+XP+Prefetch+Clean+and+Control%22+Jester2K+download"},
        {ToolFolderKind::RegCleaner, nullptr, L"https://duckduckgo.com/?q=RegCleaner+4.0.3.780+download"},
        {ToolFolderKind::Erunt, L"NTREGOPT.EXE", nullptr},
        {ToolFolderKind::PrefetchCleaner, L"WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE", nullptr},
        {ToolFolderKind::RegCleaner, L"REGCLEANR.EXE", nullptr}};
    for (const auto& [kind, tool, page] : rows) {
        ActionScene scene;
        const std::wstring chosen = scene / L"Auswahl";
        ActionScene::Touch(chosen + L"\\ERUNT.EXE");
        if (tool)
            ActionScene::Touch(chosen + L"\\" + tool);
        ActionScene::Set(Keys::DefaultDestinationFolder, L"D:\\Gespeichert");
        const std::string settings = ReadBytes(ProgramFolder() + L"\\ERUNT.INI");
        RecordingHost host({IDRETRY}, {chosen});
        SettingsForm form(host);
        form.fields.tSicherungen = L"gewählt, nicht gespeichert";

        EXPECT_EQ(form.ChooseToolFolder(kind), tool != nullptr) << keys[static_cast<int>(kind)];
        EXPECT_EQ(host.opened, page ? std::vector<std::wstring>{page} : std::vector<std::wstring>{});
        if (!tool) {
            EXPECT_EQ(ReadBytes(ProgramFolder() + L"\\ERUNT.INI"), settings);
            continue;
        }
        EXPECT_EQ(ReadProgramSetting(keys[static_cast<int>(kind)]), chosen);
        EXPECT_EQ(form.fields.tSicherungen, kind == ToolFolderKind::Erunt ? L"" : L"D:\\Gespeichert");
    }
}

// What cannot be stored is told: language files without their package or over a folder, and a tool or patch
// loader folder without a writable settings file, where the field stays empty and the loader runs all the same.
TEST(SettingsFormTest, WhatCannotBeStoredIsReported) {
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    for (const wchar_t* file : {L"\\ERUNT.EXE", L"\\NTREGOPT.EXE", L"\\vrnPatchLoader.hta"})
        ActionScene::Touch(scene.Path() + file);
    std::filesystem::create_directories(scene / L"ERUNT.LOC");
    clsMultiFile packer;
    packer.AddFile(ActionScene::Touch(scene / L"Paket\\ERUNT.LOC"));
    RecordingHost host({}, {scene.Path(), scene.Path()});
    bCreateLOC_Click(host);
    packer.CompactFiles(ProgramFolder() + L"\\HIVORA.LOC");
    bCreateLOC_Click(host);
    std::filesystem::remove(ProgramFolder() + L"\\HIVORA.LOC");
    std::filesystem::remove(ProgramFolder() + L"\\ERUNT.INI");
    std::filesystem::create_directories(ProgramFolder() + L"\\ERUNT.INI");
    SettingsForm form(host);
    EXPECT_FALSE(form.ChooseToolFolder(ToolFolderKind::Erunt) || !form.fields.tInstall.empty());
    bPatchLoader_Click(host);
    const std::wstring unstored = L"Der Ordner ''" + scene.Path() + L"'' konnte nicht in den Einstellungen";
    const std::wstring reported[] = {L"Sprachpaket", L"konnte nicht geschrieben werden", unstored, unstored};
    ASSERT_EQ(host.questions.size(), 4u);
    for (size_t index = 0; index < 4; ++index)
        EXPECT_NE(host.questions[index].find(reported[index]), std::wstring::npos) << host.questions[index];
    EXPECT_EQ(host.started.size(), 1u);
}

// It waits for Ok: nothing is stored meanwhile. One that every account may change is taken with a warning.
TEST(SettingsFormTest, ABackupFolderHoldingFilesIsTakenOnlyWhenTheUserAgrees) {
    for (const auto& [file, answer, taken, open] : {std::tuple{false, 0, true, false},
                                                    {true, IDNO, false, false},
                                                    {true, IDYES, true, false},
                                                    {false, 0, true, true}}) {
        ActionScene scene;
        std::filesystem::create_directories(scene / L"Sicherungen\\Unterordner");
        if (file)
            ActionScene::Touch(scene / L"Sicherungen\\x.txt");
        if (open)
            OpenToEveryAccount(scene / L"Sicherungen");
        RecordingHost host({answer}, {scene / L"Sicherungen"});
        SettingsForm form(host);
        EXPECT_EQ(form.ChooseBackupFolder(), taken);
        EXPECT_EQ(host.questions.size(), file + open);
        EXPECT_TRUE(!open || host.questions.back().ends_with(L"etwa im Ordner ''Programme''."));
        EXPECT_EQ(form.fields.tSicherungen, taken ? scene / L"Sicherungen" : L"");
        EXPECT_EQ(ReadBytes(ProgramFolder() + L"\\ERUNT.INI"), "");
    }
}

TEST(SettingsFormTest, OkRefusesMissingFoldersOffersTheGermanFilesAndStores) {
    // ERUNT's folder below the scene, the backup folder (none: the scene), ERUNT.LOC, the answer, the start of the
    // one message if any, whether the settings are stored and the language files wanted, an unwritable settings file.
    const std::tuple<const wchar_t*, const wchar_t*, const char*, int, const wchar_t*, bool, bool, bool> rows[] = {
        {L"\\fehlt", nullptr, nullptr, 0, L"Der Installationsordner ist ungültig", false, false, false},
        {L"", L"C:\\fehlt", nullptr, 0, L"Der Sicherungsordner ist ungültig", false, false, false},
        {L"", L"C:\\", "REGISTRIERUNG\r\n", 0, nullptr, true, false, false},
        {L"", nullptr, "Registry\r\n", IDNO, L"Möchten Sie die Sprache ''Deutsch''", true, false, false},
        {L"", nullptr, "Registry\r\n", IDYES, L"Möchten Sie die Sprache ''Deutsch''", true, true, false},
        {L"", nullptr, "Registry\r\n", IDYES, L"Die Einstellungen konnten nicht gespeichert werden.", false, false,
         true}};
    for (const auto& [erunt, backup, language, answer, message, stored, languageFilesWanted, unwritable] : rows) {
        ActionScene scene;
        if (language)
            WriteBytes(scene / L"ERUNT.LOC", language);
        RecordingHost host({answer});
        SettingsForm form(host);
        form.fields = {scene.Path() + erunt, backup ? backup : scene.Path(), true, false, L"", L""};
        if (unwritable)
            std::filesystem::create_directories(ProgramFolder() + L"\\ERUNT.INI");
        const SettingsOutcome outcome = form.Ready();
        EXPECT_EQ(outcome.stored, stored) << message;
        EXPECT_EQ(outcome.languageFilesWanted, languageFilesWanted) << message;
        ASSERT_EQ(host.questions.empty(), !message) << message;
        EXPECT_TRUE(!message || host.questions.back().starts_with(message)) << host.questions.back();
    }
}

} // namespace
