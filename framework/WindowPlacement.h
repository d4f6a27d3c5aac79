// Where a window goes, as plain functions of rectangles.
#pragma once

#include "framework/CGeometry.h"

// Top-left corner that centres a window of the given size over `over`, pulled back inside the work
// area so that a dialog over an owner near the screen edge stays fully visible (its top-left
// corner wins when the dialog is larger than the work area).
inline CPoint CenteredTopLeft(CSize window, const CRect& over, const CRect& workArea) {
    int x = over.left + (over.Width() - window.cx) / 2;
    int y = over.top + (over.Height() - window.cy) / 2;
    if (x + window.cx > workArea.right)
        x = workArea.right - window.cx;
    if (y + window.cy > workArea.bottom)
        y = workArea.bottom - window.cy;
    if (x < workArea.left)
        x = workArea.left;
    if (y < workArea.top)
        y = workArea.top;
    return CPoint(x, y);
}
