// Where the main window pair sits when the tool starts: centred on the primary screen at the
// scaled design size. A plain function of the screen size and the scale factor.
#pragma once

#include "framework/CGeometry.h"

// The host's target rectangle; halves of the screen by integer division, every scaled length
// truncated toward zero.
CRect MainHostTargetRect(int screenWidth, int screenHeight, float scale);
