// What the owner-drawn controls compute, as plain functions of plain values.
#pragma once

#include "framework/CGeometry.h"
#include "framework/CString.h"

// The part of a button picture drawn at a scale: above 1.0 one pixel less on the right and at the
// bottom, so the stretched edge does not blend in what lies beyond the picture.
inline CRect PngButtonSourceRect(int width, int height, float scale) {
    if (scale > 1.0f)
        return CRect(0, 0, width - 1, height - 1);
    return CRect(0, 0, width, height);
}

// The client area shrunk by per-side margins: where a click counts as on the face proper.
inline CRect HitRectInside(const CRect& client, const CRect& margins) {
    return CRect(client.left + margins.left, client.top + margins.top, client.right - margins.right,
                 client.bottom - margins.bottom);
}

// The check box glyph: 16 design pixels square, flush left, centred vertically.
inline CRect CheckGlyphBox(const CRect& client, float scale) {
    const int left = client.left;
    const int top = client.Height() / 2 - static_cast<int>(scale * 8);
    const int side = static_cast<int>(scale * 16);
    return CRect(left, top, left + side, top + side);
}

// Where the check box caption starts: two pixels right of the glyph.
inline int CheckCaptionLeft(const CRect& client, float scale) {
    return client.left + static_cast<int>(scale * 16) + 2;
}

// How a static draws its text for an alignment mode: whether it draws at all, whether it first
// measures the wrapped block to centre it vertically, and the DrawText flags of both steps.
struct TextFormat {
    bool draws;
    bool measures;
    UINT measureFlags;
    UINT drawFlags;
};

inline TextFormat DrawTextStaticFormat(int mode) {
    const UINT calc = DT_CALCRECT | DT_WORDBREAK | DT_EXTERNALLEADING;
    switch (mode) {
    case 0:
        return {true, true, calc, DT_LEFT | DT_WORDBREAK | DT_VCENTER | DT_EXTERNALLEADING};
    case 1:
    case 4:
        return {true, false, 0, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_EXTERNALLEADING};
    case 2:
        return {true, false, 0, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_EXTERNALLEADING};
    case 3:
        return {true, true, calc, DT_RIGHT | DT_WORDBREAK | DT_VCENTER | DT_EXTERNALLEADING};
    case 5:
        return {true, true, calc, DT_CENTER | DT_WORDBREAK | DT_VCENTER | DT_EXTERNALLEADING};
    case 6:
        return {true, false, 0, DT_LEFT | DT_WORDBREAK | DT_EXTERNALLEADING};
    case 7:
        return {true, true, calc | DT_EDITCONTROL,
                DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_EXTERNALLEADING};
    }
    return {false, false, 0, 0};
}

inline TextFormat StateInfoStaticFormat(int mode) {
    const UINT calc = DT_CALCRECT | DT_WORDBREAK;
    switch (mode) {
    case 2:
        return {true, false, 0, DT_CENTER | DT_SINGLELINE | DT_VCENTER};
    case 3:
        return {true, false, 0, DT_RIGHT | DT_SINGLELINE | DT_VCENTER};
    case 4:
        return {true, true, calc, DT_LEFT | DT_WORDBREAK | DT_VCENTER};
    case 5:
        return {true, true, calc, DT_CENTER | DT_WORDBREAK | DT_VCENTER};
    case 6:
        return {true, true, calc, DT_RIGHT | DT_WORDBREAK | DT_VCENTER};
    }
    return {true, false, 0, DT_LEFT | DT_SINGLELINE | DT_VCENTER};
}

// How far a measured block moves down to sit centred; negative when it is higher than the client.
inline int CentringOffset(int clientHeight, int blockHeight) {
    return (clientHeight - blockHeight) / 2;
}

// The busy animation: 0, 1, 2, 3 dots, then none again.
inline int NextDotCount(int dots) {
    return dots + 1 >= 4 ? 0 : dots + 1;
}

inline CString TextWithDots(const CString& text, int dots) {
    static const wchar_t* const kDots[] = {L"", L".", L"..", L"..."};
    return text + (dots >= 0 && dots <= 3 ? kDots[dots] : L"");
}
