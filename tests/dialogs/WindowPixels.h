// Reading back what a window shows, to tell which picture a button shows and where text lies.
#pragma once

#include "controls/DrawingHelpers.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace dlgtest {

// The client area of a window as it is painted now, row by row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> rgb;
    COLORREF At(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)]; }
};

inline Pixels CaptureClient(HWND hWnd) {
    Pixels out;
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    out.width = rc.right;
    out.height = rc.bottom;
    if (out.width <= 0 || out.height <= 0)
        return out;
    HDC window = ::GetDC(hWnd);
    HDC memory = ::CreateCompatibleDC(window);
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, out.width, out.height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, out.width, out.height, window, 0, 0, SRCCOPY);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.rgb.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(hWnd, window);
    return out;
}

// Mean difference per channel between what the window shows and a PNG resource of the same size,
// over the picture's opaque pixels; a large number when the picture cannot be read.
inline double DistanceToPicture(const Pixels& shown, UINT picture) {
    Gdiplus::Image* image = nullptr;
    if (!LoadPngResource(&image, picture))
        return 1e9;
    std::unique_ptr<Gdiplus::Image> owned(image);
    const int width = static_cast<int>(image->GetWidth());
    const int height = static_cast<int>(image->GetHeight());
    Gdiplus::Bitmap argb(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&argb);
        graphics.DrawImage(image, 0, 0, width, height);
    }
    double sum = 0;
    long count = 0;
    for (int y = 0; y < height && y < shown.height; ++y) {
        for (int x = 0; x < width && x < shown.width; ++x) {
            Gdiplus::Color c;
            argb.GetPixel(x, y, &c);
            if (c.GetA() != 255)
                continue;
            const COLORREF s = shown.At(x, y);
            sum += std::abs(int(GetRValue(s)) - int(c.GetR())) +
                   std::abs(int(GetGValue(s)) - int(c.GetG())) +
                   std::abs(int(GetBValue(s)) - int(c.GetB()));
            ++count;
        }
    }
    return count ? sum / (3.0 * count) : 1e9;
}

// Of the candidate pictures, the one the window looks most like.
inline UINT ClosestPicture(HWND hWnd, const std::vector<UINT>& candidates) {
    const Pixels shown = CaptureClient(hWnd);
    UINT best = 0;
    double bestDistance = 1e18;
    for (UINT picture : candidates) {
        const double d = DistanceToPicture(shown, picture);
        if (d < bestDistance) {
            bestDistance = d;
            best = picture;
        }
    }
    return best;
}

// Rows that hold at least one dark pixel (text on a light panel), grouped into bands: one band
// per line of text.
struct TextBands {
    int count = 0;
    int firstRow = -1, lastRow = -1;
};

inline TextBands DarkTextBands(const Pixels& p) {
    TextBands bands;
    bool inBand = false;
    for (int y = 0; y < p.height; ++y) {
        bool dark = false;
        for (int x = 0; x < p.width && !dark; ++x) {
            const COLORREF c = p.At(x, y);
            dark = GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
        }
        if (dark) {
            if (!inBand)
                ++bands.count;
            if (bands.firstRow < 0)
                bands.firstRow = y;
            bands.lastRow = y;
        }
        inBand = dark;
    }
    return bands;
}

} // namespace dlgtest
