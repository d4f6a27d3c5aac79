// The problem-solving feedback dialog's layout, as a plain function of the layer's client
// rectangle and the scale factor.
#pragma once

#include "framework/CGeometry.h"

struct FeedbackLayout {
    CRect close;
    // The three answer buttons, one under another, and where their backgrounds come from in the
    // layer picture (400 x 468).
    CRect solved, unsolved, moreSolutions;
    CRect solvedCrop, unsolvedCrop, moreSolutionsCrop;
    // How far in from each side of an answer button a click must land to count.
    CRect hitMargins;
};

// A layer wider than its 400 design pixels is scaled; at 400 or less the buttons keep their
// design size and sit around the middle.
FeedbackLayout ComputeFeedbackLayout(const CRect& client, float scale);
