#include "app/Artwork.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

constexpr int kPictureWidth = 576;
constexpr int kPictureHeight = 436;

// 'X' black, 'o' white, anything else transparent. The fingertip is the hot spot.
constexpr std::array<std::string_view, 20> kHand = {
    "     XX          ", "    XooX         ", "    XooX         ", "    XooX         ", "    XooX         ",
    "    XooXXX       ", "    XooXooXXX    ", "    XooXooXooXX  ", " XX XooXooXooXoX ", "XooXXooooooooooX ",
    "XoooXooooooooooX ", " XooXooooooooooX ", "  XoooooooooooX  ", "  XoooooooooooX  ", "   XooooooooooX  ",
    "   XoooooooooX   ", "    XooooooooX   ", "    XooooooooX   ", "     XooooooX    ", "     XXXXXXXX    ",
};

void FillRectColour(HDC dc, const RECT& area, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
    const auto mix = [&](int a, int b) { return a + (b - a) * step / steps; };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

// One rectangle for each run of lines of the same colour.
void VerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
    const int height = area.bottom - area.top;
    for (int line = 0; line < height;) {
        const COLORREF colour = Blend(top, bottom, line, height);
        int end = line + 1;
        while (end < height && Blend(top, bottom, end, height) == colour)
            ++end;
        FillRectColour(dc, {area.left, area.top + line, area.right, area.top + end}, colour);
        line = end;
    }
}

void Frame(HDC dc, const RECT& area, COLORREF fill, COLORREF border) {
    const UniqueBrush brush(CreateSolidBrush(fill));
    const UniquePen pen(CreatePen(PS_SOLID, 1, border));
    const SelectedObject selectedBrush(dc, brush.get());
    const SelectedObject selectedPen(dc, pen.get());
    RoundRect(dc, area.left, area.top, area.right, area.bottom, 10, 10);
}

void Hexagon(HDC dc, int centreX, int centreY, int radius, COLORREF fill, COLORREF border) {
    POINT corners[6];
    for (int corner = 0; corner < 6; ++corner) {
        const double angle = (60.0 * corner + 30.0) * 3.14159265358979 / 180.0;
        corners[corner] = {centreX + static_cast<int>(std::lround(radius * std::cos(angle))),
                           centreY + static_cast<int>(std::lround(radius * std::sin(angle)))};
    }
    const UniqueBrush brush(CreateSolidBrush(fill));
    const UniquePen pen(CreatePen(PS_SOLID, 2, border));
    const SelectedObject selectedBrush(dc, brush.get());
    const SelectedObject selectedPen(dc, pen.get());
    Polygon(dc, corners, 6);
}

// Draws in the picture's own 576 x 436 coordinates.
void PaintPicture(HDC dc) {
    VerticalGradient(dc, {0, 0, kPictureWidth, kPictureHeight}, RGB(236, 241, 248), RGB(203, 216, 234));
    VerticalGradient(dc, {0, 0, kPictureWidth, 42}, RGB(24, 52, 104), RGB(52, 106, 204));
    FillRectColour(dc, {0, 42, kPictureWidth, 44}, RGB(242, 179, 61));

    // A quiet honeycomb on the left, the program's emblem.
    const COLORREF cellFill = RGB(222, 230, 243);
    const COLORREF cellBorder = RGB(184, 200, 226);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            Hexagon(dc, 70 + column * 62 + (row % 2) * 31, 80 + row * 44, 28, cellFill, cellBorder);
    Hexagon(dc, 163, 168, 28, RGB(242, 179, 61), RGB(214, 146, 32));

    // Frames behind the groups of the button column.
    const COLORREF frameFill = RGB(250, 252, 255);
    const COLORREF frameBorder = RGB(150, 172, 208);
    for (const auto& [top, bottom] :
         {std::pair{76, 123}, std::pair{136, 183}, std::pair{190, 237}, std::pair{244, 312}, std::pair{320, 367}})
        Frame(dc, {362, top, 566, bottom}, frameFill, frameBorder);
}

} // namespace

UniqueBitmap CreateBackground(HDC reference, int dpi) {
    const int width = MulDiv(kPictureWidth, dpi, 96);
    const int height = MulDiv(kPictureHeight, dpi, 96);
    UniqueBitmap picture(CreateCompatibleBitmap(reference, width, height));
    const UniqueDc dc(CreateCompatibleDC(reference));
    const SelectedObject selected(dc.get(), picture.get());
    SetMapMode(dc.get(), MM_ANISOTROPIC);
    SetWindowExtEx(dc.get(), kPictureWidth, kPictureHeight, nullptr);
    SetViewportExtEx(dc.get(), width, height, nullptr);
    PaintPicture(dc.get());
    return picture;
}

UniqueCursor CreateHandCursor() {
    constexpr int kSize = 32;
    constexpr int kBytesPerRow = kSize / 8;
    std::array<BYTE, kSize * kBytesPerRow> andMask;
    std::array<BYTE, kSize * kBytesPerRow> xorMask{};
    andMask.fill(0xFF);
    for (size_t row = 0; row < kHand.size(); ++row) {
        for (size_t column = 0; column < kHand[row].size(); ++column) {
            const char pixel = kHand[row][column];
            if (pixel != 'X' && pixel != 'o')
                continue;
            const size_t byte = row * kBytesPerRow + column / 8;
            const BYTE bit = static_cast<BYTE>(0x80 >> (column % 8));
            andMask[byte] &= static_cast<BYTE>(~bit);
            if (pixel == 'o')
                xorMask[byte] |= bit;
        }
    }
    return UniqueCursor(CreateCursor(GetModuleHandleW(nullptr), 5, 0, kSize, kSize, andMask.data(), xorMask.data()));
}
