#pragma once
class ActionHost;
// Registry compaction with NTREGOPT, then the program closes.
void bOptimierung_Click(ActionHost& host);
// Boot-file defragmentation with PAGEDFRG, then the program closes.
void bDefragment_Click(ActionHost& host);
// RegCleaner, then the program closes.
void bCleaner_Click(ActionHost& host);
// The prefetch cleaner, then the program closes.
void bBootClean_Click(ActionHost& host);
// ERUNT's text file in the editor and its home page; the program stays open.
void bUpdates_Click(ActionHost& host);
