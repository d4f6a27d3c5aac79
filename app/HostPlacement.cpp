#include "app/HostPlacement.h"

#include "dialogs/WindowPairGeometry.h"

CRect MainHostTargetRect(int screenWidth, int screenHeight, float scale) {
    const double s = scale;
    const int left = screenWidth / 2 - static_cast<int>(s * kMainWindowPair.shellWidth / 2);
    const int top = screenHeight / 2 - static_cast<int>(s * kMainWindowPair.shellHeight / 2);
    return CRect(left, top, left + ScaleLength(kMainWindowPair.shellWidth, scale),
                 top + ScaleLength(kMainWindowPair.shellHeight, scale));
}
