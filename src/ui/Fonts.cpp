#include "ui/Fonts.h"

#include <cwchar>
#include <string_view>

namespace {

UniqueFont CreateSized(const wchar_t* face, int tenthsOfPoint, bool bold, int dpi) {
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(tenthsOfPoint, dpi, 720);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    std::wstring_view(face).copy(font.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

// Where Windows lacks a face, the font mapper gives the font another one. Asking
// the font for its face is far quicker than enumerating the installed fonts.
bool HasFace(HDC dc, HFONT font, const wchar_t* face) {
    const SelectedObject selected(dc, font);
    wchar_t taken[LF_FACESIZE] = {};
    return GetTextFaceW(dc, LF_FACESIZE, taken) > 0 && lstrcmpiW(taken, face) == 0;
}

} // namespace

int ScreenDpi() {
    const UniqueWindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

int TextLineHeight(HFONT font) {
    const UniqueWindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen.get(), &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

UniqueFont CreateUiFont(const wchar_t* face, const wchar_t* fallbackFace, int tenthsOfPoint, bool bold, int dpi) {
    return CreateFittingFont(face, fallbackFace, tenthsOfPoint, bold, dpi, {});
}

UniqueFont CreateFittingFont(const wchar_t* face, const wchar_t* fallbackFace, int tenthsOfPoint, bool bold, int dpi,
                             std::span<const TextBox> texts) {
    const UniqueWindowDc screen(nullptr);
    UniqueFont font = CreateSized(face, tenthsOfPoint, bold, dpi);
    if (!HasFace(screen.get(), font.get(), face)) {
        face = fallbackFace;
        font = CreateSized(face, tenthsOfPoint, bold, dpi);
    }
    const auto fits = [&](HFONT candidate) {
        const SelectedObject selected(screen.get(), candidate);
        for (const TextBox& box : texts) {
            SIZE size = {};
            GetTextExtentPoint32W(screen.get(), box.text, static_cast<int>(std::wcslen(box.text)), &size);
            if (size.cx > box.width)
                return false;
        }
        return true;
    };
    // Down to two thirds of the wanted size, a fifth of a point at a time.
    for (int tenths = tenthsOfPoint - 2; !fits(font.get()) && tenths >= tenthsOfPoint * 2 / 3; tenths -= 2)
        font = CreateSized(face, tenths, bold, dpi);
    return font;
}
