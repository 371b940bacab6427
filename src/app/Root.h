#pragma once
// The main window: a column of label-buttons on a picture, the description
// panel, and the state the actions and the other windows share through it.
#include "app/BaseWindow.h"
#include "app/DescriptionPanel.h"
#include "app/Label.h"
#include "app/Overlay.h"
#include "app/RootLayout.h"
#include "app/RootSurface.h"
#include "cleanup/Cleanup.h"
#include "container/clsMultiFile.h"
#include "services/UniqueHandle.h"

#include <array>
#include <map>
#include <memory>
#include <string>

inline constexpr wchar_t kRootCaption[] = L"Hivora for Win-Nt/2000/XP";
// Message titles begin with a space.
inline constexpr wchar_t kRootMessageTitle[] = L" Hivora for Win-Nt/2000/XP";

class Root : public BaseWindow<Root>, private RootSurface, private clsMultiFileEvents {
public:
    // Creates the window hidden and runs the start-up, which may end the program.
    bool Create(HINSTANCE instance);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Waits while the window stays responsive: handlers run during the wait,
    // and the processor rests until a message comes or the time is up.
    void Sleep(double seconds);
    // Closes every window and ends the program.
    [[noreturn]] void AppCloses();
    // Ends the program a second after an action handed its work to an outside
    // tool; no further action starts meanwhile.
    [[noreturn]] void CloseAfterHandOver();

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }
    const std::wstring& BusyMarker() const { return busyMarker_; }
    void SetBusyMarker(const wchar_t* value) { busyMarker_ = value; }
    // The tags of the controls, "0" until set: the windows exchange their state through them.
    std::wstring Tag(int controlId) const;
    void SetTag(int controlId, std::wstring value);
    Cleanup& CleanupWindow() { return cleanup_; }
    // A new container object whose progress reaches this window.
    clsMultiFile& NewContainer() {
        cMultiFile_ = std::make_unique<clsMultiFile>(static_cast<clsMultiFileEvents*>(this));
        return *cMultiFile_;
    }
    // The folder the list of backups showed last; at first the start folder.
    const std::wstring& ListedFolder() const { return listedFolder_; }
    void SetListedFolder(std::wstring folder) { listedFolder_ = std::move(folder); }
    // The user whose profile folders count: the registered user, else the one
    // selected in the clean-up window.
    std::wstring UserForProfiles();

private:
    void CreateControls();
    void Form_Load();
    void RunAutomaticBackup();
    void SetButtonColour(int buttonId, COLORREF colour);
    void ShowOverlay(int overlayId, bool visible);
    void ApplyFinalState(int buttonId, int overlayId);
    void EndHover();
    // Copies a part of the background picture (in client coordinates) to a point of the device context.
    void CopyBackground(HDC dc, POINT to, const RECT& part) const;

    // RootSurface
    void PaintBackground(HDC dc, HWND child) override;
    void ButtonHovered(int buttonId) override;
    void ButtonClicked(int buttonId) override;
    void ButtonPressedByKey(int buttonId) override;

    // clsMultiFileEvents: the window shows no progress.
    void FileWritten(const std::string&, int32_t, int32_t, int32_t) override {}
    void FilesExtract(const std::string&, int32_t, int32_t, int32_t) override {}

    int dpi_ = 96;
    UniqueBitmap background_;
    UniqueCursor handCursor_;
    UniqueFont buttonFont_, titleFont_, descriptionFont_, createLocFont_, stateFont_, listFont_;
    UniqueBrush panelBrush_;
    std::array<Label, kButtons.size()> buttons_;
    std::array<Overlay, kOverlays.size()> overlays_;
    Label title_, createLoc_, cleanupState_;
    DescriptionPanel description_;

    Cleanup cleanup_{*this};
    std::unique_ptr<clsMultiFile> cMultiFile_;

    std::wstring busyMarker_ = L"0";
    std::map<int, std::wstring> tags_;
    std::wstring listedFolder_;
    bool closing_ = false;
};
