// Geometry of the shell and control-layer window pairs, as plain functions of rectangles and the
// scale factor. Design lengths are pixels at 96 dpi; a scaled length is truncated toward zero.
#pragma once

#include "framework/CGeometry.h"

struct PairInsets {
    int left, top, right, bottom;
};

struct WindowPairGeometry {
    int shellWidth, shellHeight; // the shell's size at scale 1.0
    PairInsets insets;           // where the control layer lies inside the shell
    bool draggable;              // dragging the layer's top strip moves the pair
    int dragExcludedRight;       // the strip's right part left to the close buttons
};

constexpr int kDragStripHeight = 30;

constexpr WindowPairGeometry kMainWindowPair{410, 611, {5, 4, 5, 7}, true, 86};
constexpr WindowPairGeometry kBusyPromptPair{232, 132, {14, 12, 14, 16}, false, 0};
constexpr WindowPairGeometry kMessagePromptPair{336, 156, {5, 3, 5, 7}, true, 26};
constexpr WindowPairGeometry kFeedbackPair{410, 479, {5, 4, 5, 7}, true, 26};

// The screen's LOGPIXELSY over 96 above 100 dpi; 1.0 up to 100 dpi.
inline float ScaleFromLogPixelsY(int logPixelsY) {
    return logPixelsY > 100 ? static_cast<float>(logPixelsY / 96.0) : 1.0f;
}

inline int ScaleLength(double design, float scale) {
    return static_cast<int>(design * scale);
}

inline CSize ShellSize(const WindowPairGeometry& pair, float scale) {
    return CSize(ScaleLength(pair.shellWidth, scale), ScaleLength(pair.shellHeight, scale));
}

// The layer's place when the shell creates it: each coordinate and size truncated once.
inline CRect LayerRectAtCreation(const CRect& shell, const PairInsets& in, float scale) {
    const double s = scale;
    const int x = static_cast<int>(shell.left + in.left * s);
    const int y = static_cast<int>(shell.top + in.top * s);
    const int width = static_cast<int>(shell.Width() - (in.left + in.right) * s);
    const int height = static_cast<int>(shell.Height() - (in.top + in.bottom) * s);
    return CRect(x, y, x + width, y + height);
}

// The layer's place when it follows the shell: each inset truncated on its own, so at a
// fractional scale it may come out a pixel larger than at its creation.
inline CRect LayerRectFollowing(const CRect& shell, const PairInsets& in, float scale) {
    return CRect(shell.left + ScaleLength(in.left, scale), shell.top + ScaleLength(in.top, scale),
                 shell.right - ScaleLength(in.right, scale),
                 shell.bottom - ScaleLength(in.bottom, scale));
}

// The shell's place around a layer that was dragged.
inline CRect ShellRectAround(const CRect& layer, const PairInsets& in, float scale) {
    return CRect(layer.left - ScaleLength(in.left, scale), layer.top - ScaleLength(in.top, scale),
                 layer.right + ScaleLength(in.right, scale),
                 layer.bottom + ScaleLength(in.bottom, scale));
}

// The band of the layer (client rectangle on the screen) that drags the pair.
inline CRect DragStrip(const CRect& clientOnScreen, int excludedRight, float scale) {
    CRect strip = clientOnScreen;
    strip.bottom = strip.top + ScaleLength(kDragStripHeight, scale);
    strip.right -= ScaleLength(excludedRight, scale);
    return strip;
}
