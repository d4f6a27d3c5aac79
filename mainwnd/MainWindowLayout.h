// Where the main window's controls sit, as plain functions of the client rectangle, the scale
// factor and the measured text widths. Lengths are design pixels at 96 dpi, scaled and
// truncated toward zero.
#pragma once

#include "framework/CGeometry.h"

struct MainWindowLayout {
    CRect close;
    CRect minimize;
    CRect version;
    CRect detect;
    CRect moreTools;
    CRect checkBox;
    CRect agreement;
    CRect feedback;
    // Pieces of the 400 x 600 background picture drawn under the cropped controls.
    CRect versionSource;
    CRect detectSource;
    CRect moreToolsSource;
};

// consentTextWidth: width of "同意《泰瑟服务工具使用许可协议》" in the window font;
// feedbackTextWidth: width of "反馈问题".
MainWindowLayout ComputeMainWindowLayout(const CRect& client, float scale, int consentTextWidth,
                                         int feedbackTextWidth);

// The top band by which the window pair is dragged, in the same coordinates as the client
// rectangle given: 30 design pixels high, without the rightmost rightExcluded pixels.
CRect DragStrip(const CRect& client, float scale, int rightExcluded);

// Host rectangle around a control layer at the given insets (design pixels).
CRect HostAroundLayer(const CRect& layer, float scale, int left, int top, int right, int bottom);
