#include "dialogs/FeedbackLayout.h"

namespace {

int Trunc(double value) {
    return static_cast<int>(value);
}

CRect Sized(int left, int top, int width, int height) {
    return CRect(left, top, left + width, top + height);
}

} // namespace

FeedbackLayout ComputeFeedbackLayout(const CRect& client, float scale) {
    const double s = scale;
    const int l = client.left, t = client.top, r = client.right;
    const int width = client.Width(), height = client.Height();
    FeedbackLayout out;

    const int closeLeft = Trunc(r - 18 * s);
    const int closeTop = Trunc(t + 6 * s);
    out.close = CRect(closeLeft, closeTop, Trunc(closeLeft + 12 * s), Trunc(closeTop + 12 * s));

    if (width > 400) {
        const int w = Trunc(266 * s), h = Trunc(60 * s);
        out.solved = Sized(l + Trunc(200 * s - 133 * s), t + Trunc(234 * s - Trunc(80 * s)), w, h);
        out.unsolved = Sized(l + Trunc(200 * s) - Trunc(133 * s), t + Trunc(234 * s), w, h);
        out.moreSolutions =
            Sized(l + Trunc(200 * s) - Trunc(133 * s), t + Trunc(234 * s) + Trunc(80 * s), w, h);
        out.solvedCrop = CRect(67, 154, 333, 214);
        out.unsolvedCrop = CRect(67, 234, 333, 294);
        out.moreSolutionsCrop = CRect(67, 314, 333, 374);
        const int margin = Trunc(9 * s);
        out.hitMargins = CRect(margin, margin, margin, margin);
        return out;
    }
    const int left = l + width / 2 - 133;
    const int middle = t + height / 2;
    out.solved = Sized(left, middle - 80, 266, 60);
    out.unsolved = Sized(left, middle, 266, 60);
    out.moreSolutions = Sized(left, middle + 80, 266, 60);
    out.solvedCrop = out.solved;
    out.unsolvedCrop = out.unsolved;
    out.moreSolutionsCrop = out.moreSolutions;
    out.hitMargins = CRect(9, 9, 9, 9);
    return out;
}
