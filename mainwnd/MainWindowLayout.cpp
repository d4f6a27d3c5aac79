#include "mainwnd/MainWindowLayout.h"

namespace {

int Trunc(double value) {
    return static_cast<int>(value);
}

} // namespace

MainWindowLayout ComputeMainWindowLayout(const CRect& client, float scale, int consentTextWidth,
                                         int feedbackTextWidth) {
    const double s = scale;
    const int L = client.left, T = client.top, R = client.right, B = client.bottom;
    MainWindowLayout out;

    int left = Trunc(R - 31.2 * s);
    out.close = CRect(left, T, Trunc(left + 26 * s), Trunc(T + 34 * s));
    left = Trunc(R - 59.8 * s);
    out.minimize = CRect(left, T, Trunc(left + 26 * s), Trunc(T + 34 * s));

    left = L + Trunc(188 * s);
    int top = T + Trunc(16 * s);
    out.version = CRect(left, top, left + Trunc(140 * s), top + Trunc(15 * s));
    out.versionSource = CRect(188, 16, 328, 31);

    left = L + Trunc(400 * s / 2 - 246 * s / 2);
    top = T + Trunc(600 * s / 2 - 30 * s);
    out.detect = CRect(left, top, left + Trunc(246 * s), top + Trunc(47 * s));
    out.detectSource = CRect(77, 270, 323, 317);

    if (client.Width() > 400) {
        left = L + Trunc(50 * s);
        top = B - Trunc(55 * s);
        out.moreTools = CRect(left, top, left + Trunc(58 * s), top + Trunc(18 * s));
        out.moreToolsSource = CRect(50, 545, 108, 563);
    } else {
        out.moreTools = CRect(L + 50, B - 55, L + 50 + 58, B - 55 + 18);
        out.moreToolsSource = out.moreTools;
    }

    const int q = consentTextWidth / 14;
    left = Trunc(8 * s);
    top = Trunc(B - 25 * s);
    out.checkBox = CRect(left, top, Trunc(left + 16 * s + 2 * q + 2), Trunc(top + 20 * s));

    left = out.checkBox.right + 6;
    out.agreement = CRect(left, top, left + 14 * q, Trunc(top + 20 * s));

    const int w = Trunc(feedbackTextWidth + 4 * s + 2 + 6);
    left = R - w - 6;
    out.feedback = CRect(left, top, left + w, Trunc(top + 20 * s));
    return out;
}

CRect DragStrip(const CRect& client, float scale, int rightExcluded) {
    CRect strip = client;
    strip.bottom = strip.top + Trunc(30.0 * scale);
    strip.right -= Trunc(static_cast<double>(rightExcluded) * scale);
    return strip;
}

CRect HostAroundLayer(const CRect& layer, float scale, int left, int top, int right, int bottom) {
    const double s = scale;
    return CRect(layer.left - Trunc(left * s), layer.top - Trunc(top * s),
                 layer.right + Trunc(right * s), layer.bottom + Trunc(bottom * s));
}
