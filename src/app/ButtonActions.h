#pragma once
// Which action each label-button of the main window runs.
#include "backup/AutomaticBackup.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "cleanup/CleanupButton.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "resource.h"
#include "settings/Optionen.h"

struct ButtonAction {
    int buttonId;
    void (*click)(ActionHost& host);
};

inline constexpr ButtonAction kButtonActions[] = {
    {IDC_BOPTIMIERUNG, bOptimierung_Click},
    {IDC_BDEFRAGMENT, bDefragment_Click},
    {IDC_BSICHERUNGEN, bSicherungen_Click},
    {IDC_BAUTOSICHERUNG, bAutosicherung_Click},
    {IDC_BCLEANER, bCleaner_Click},
    {IDC_BPATCHLOADER, bPatchLoader_Click},
    {IDC_BBEREINIGUNG, bBereinigung_Click},
    {IDC_BBOOTCLEAN, bBootClean_Click},
    {IDC_BWIEDERHERSTELLEN, bWiederherstellen_Click},
    {IDC_BKONFIGURATION, bKonfiguration_Click},
    {IDC_BUPDATES, bUpdates_Click},
};
