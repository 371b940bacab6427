#pragma once
class Root;

// Registry compaction with NTREGOPT, then the program closes.
void bOptimierung_Click(Root& root);
// Boot-file defragmentation with PAGEDFRG, then the program closes.
void bDefragment_Click(Root& root);
// RegCleaner, then the program closes.
void bCleaner_Click(Root& root);
// The prefetch cleaner, then the program closes.
void bBootClean_Click(Root& root);
// ERUNT's text file in the editor and its home page; the program stays open.
void bUpdates_Click(Root& root);
