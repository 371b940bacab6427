#pragma once
// What the main window shows: its label-buttons with their places (in twips,
// 15 to a pixel at 96 DPI), their hover descriptions and how long those stay.
#include "resource.h"

#include <array>

struct TwipRect {
    int left, top, width, height;
};

struct ButtonLayout {
    int id;
    const wchar_t* caption;
    TwipRect place;
    const wchar_t* description;
    int descriptionSeconds;
};

inline constexpr std::array<ButtonLayout, 11> kButtons = {{
    {IDC_BOPTIMIERUNG,
     L"Registrierung optimieren",
     {5620, 1215, 2175, 285},
     L"Die Registrierungsdateien werden optimiert und komprimiert, damit eine kleinere Windows-Registrierung im "
     L"Arbeitsspeicher verwendet wird.",
     2},
    {IDC_BDEFRAGMENT,
     L"Startdatei defragmentieren",
     {5625, 1485, 2400, 285},
     L"Der Windows-Startvorgang wird optimiert, indem wichtige Dateien welche beim Windows-Start geladen werden, auf "
     L"den Festplatten an den Anfang gesetzt werden.",
     2},
    {IDC_BSICHERUNGEN,
     L"Registrierungssicherungen",
     {5620, 2115, 2340, 285},
     L"Die Registrierungsdateien werden in einen Sicherungsordner kopiert. Haben Sie fehlerhafte Einträge "
     L"hinzugefügt, dann kann diese Sicherung wiederher- gestellt werden.",
     2},
    {IDC_BAUTOSICHERUNG,
     L"Automatische Sicherungen",
     {5625, 2385, 2370, 285},
     L"Diese Einstellung sorgt dafür, dass mindestens alle drei Werktage eine Sicherungsdatei der Registrierung "
     L"erstellt wird; nach erfolgreichem Startvorgang von Windows.",
     2},
    {IDC_BCLEANER,
     L"Registrierung bereinigen",
     {5625, 2925, 2145, 285},
     L"Die Registrierung wird nach veralteten oder unbenutzten Einträgen durchsucht und wartet auf eine "
     L"Entscheidung des Benutzer zur Entfernung.",
     2},
    {IDC_BPATCHLOADER,
     L"Windows-Patch Loader",
     {5625, 3195, 2070, 285},
     L"Überprüfen und Herunterladen von Updates, Servicepacks und Patches für das Microsoft Windows XP "
     L"Betriebssystem.",
     1},
    {IDC_BBEREINIGUNG,
     L"Optimierungsbereinigung",
     {5620, 3735, 2220, 285},
     L"Die überschriebenen Sicherungsdateien von wiederhergestellten oder eventuell optimierten Registrierungen "
     L"löschen, um Speicherplatz freizugeben.",
     2},
    {IDC_BBOOTCLEAN,
     L"Bootoptimierung bereinigen ",
     {5625, 4005, 2505, 285},
     L"Die Prefetching-Dateien sollen den Windows-Start beschleunigen. Dabei werden Hardwaretreibern beim Booten "
     L"direkt ausgeführt, sodass Geräte schneller initialisiert werden.",
     2},
    {IDC_BWIEDERHERSTELLEN,
     L"Wiederherstellungen",
     {5625, 4320, 1830, 285},
     L"Die gesicherte Registrierungsdatei wird zurückgesichert und durch die aktuelle Registrierung ersetzt. Alle "
     L"Einstellungen nach dem Sicherungszeitpunkt der Backupdatei gehen dabei verloren.",
     2},
    {IDC_BKONFIGURATION,
     L"Konfigurationsoptionen",
     {5620, 4875, 2025, 285},
     L"Festlegen der Einstellungen für den Hivora. Geben Sie an, wo die Zusatzprogramme und der Ordner für die "
     L"Sicherung sind. Bestimmen Sie benutzerdefinierte Optionen.",
     2},
    {IDC_BUPDATES,
     L"Internet Updates",
     {5625, 5145, 1530, 285},
     L"Überprüfen ob eine Aktualiserung des Sicherungsprogrammes für die Registrierung ''ERUNT'' im Internet "
     L"vorhanden ist. Es erfolgt keine automatische Installation.",
     2},
}};

// Each overlay lies over one button and is as wide as the button column.
struct OverlayLayout {
    int id;
    int buttonId;
    int top;
};
inline constexpr int kOverlayLeft = 5535;
inline constexpr int kOverlayWidth = 2805;
inline constexpr int kOverlayHeight = 330;
inline constexpr std::array<OverlayLayout, 4> kOverlays = {{
    {IDC_PBOOTCLEAN, IDC_BBOOTCLEAN, 4005},
    {IDC_PCLEANER, IDC_BCLEANER, 2915},
    {IDC_PWIEDERHERSTELLEN, IDC_BWIEDERHERSTELLEN, 4320},
    {IDC_PUPDATES, IDC_BUPDATES, 5145},
}};

inline constexpr TwipRect kClientArea = {0, 0, 8610, 6255};
inline constexpr TwipRect kTooltipPanel = {90, 3915, 3975, 1950};
inline constexpr TwipRect kTooltipText = {180, 400, 3345, 1230};
inline constexpr TwipRect kTitleLabel = {270, 135, 4785, 345};
inline constexpr TwipRect kCreateLocButton = {405, 855, 3420, 270};
inline constexpr TwipRect kCleanupState = {8100, 3735, 285, 285};

inline constexpr wchar_t kTitleCaption[] = L"Emergency Recovery Utility (Erunt)";
inline constexpr wchar_t kCreateLocCaption[] = L"LOC-Datei (Standard) erstellen";
inline constexpr wchar_t kInitialDescription[] =
    L"Die Registrierungsdateien werden nach Fehlern und gelöschten Bereichen durchsucht, anschließend optimiert und "
    L"nach einem Windows-Neustart durch die aktuellen Dateien ersetzt.";

// Colours of the window as COLORREF values, 0x00BBGGRR.
inline constexpr unsigned long kPanelColour = 0xCC6A34;       // red 52, green 106, blue 204
inline constexpr unsigned long kUnavailableColour = 0xFFC0C0; // red 192, green 192, blue 255
inline constexpr unsigned long kTitleColour = 0xEDE0D6;       // red 214, green 224, blue 237
