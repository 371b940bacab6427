#pragma once
// Resource and control identifiers, grouped by kind.

// Icons
#define IDI_HIVORA 100

// Main window: the label-buttons, top to bottom
#define IDC_BOPTIMIERUNG 1001
#define IDC_BDEFRAGMENT 1002
#define IDC_BSICHERUNGEN 1003
#define IDC_BAUTOSICHERUNG 1004
#define IDC_BCLEANER 1005
#define IDC_BPATCHLOADER 1006
#define IDC_BBEREINIGUNG 1007
#define IDC_BBOOTCLEAN 1008
#define IDC_BWIEDERHERSTELLEN 1009
#define IDC_BKONFIGURATION 1010
#define IDC_BUPDATES 1011
#define IDC_BCREATELOC 1012

// Main window: overlays that catch the mouse over unavailable buttons
#define IDC_PBOOTCLEAN 1020
#define IDC_PCLEANER 1021
#define IDC_PUPDATES 1022
#define IDC_PWIEDERHERSTELLEN 1023

// Main window: description panel, restore list and its hint, state carriers, title, backup state
#define IDC_PTOOLTIPS 1030
#define IDC_TTOOLTIPS 1031
#define IDC_LBACKUPS 1032
#define IDC_SBEREINIGUNG 1033
#define IDC_LABEL1 1034
#define IDC_TSTATE 1035
#define IDC_LHINWEIS 1036

// Settings window, in tab order
#define IDC_VINSTALL 2001
#define IDC_TINSTALL 2002
#define IDC_BINSTALL 2003
#define IDC_VSICHERUNGEN 2004
#define IDC_TSICHERUNGEN 2005
#define IDC_BSICHERUNGEN_WAEHLEN 2006
#define IDC_BSUBFOLDER 2007
#define IDC_BCOMPLETE 2008
#define IDC_VBOOTCLEAN 2009
#define IDC_TBOOTCLEAN 2010
#define IDC_BBOOTCLEAN_WAEHLEN 2011
#define IDC_VCLEANER 2012
#define IDC_TCLEANER 2013
#define IDC_BCLEANER_WAEHLEN 2014
#define IDC_BREADY 2015
#define IDC_BABBRECHEN 2016
#define IDC_FRAME1 2017
