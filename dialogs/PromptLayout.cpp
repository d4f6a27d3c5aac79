#include "dialogs/PromptLayout.h"

#include "res/resource.h"

// The close button's crop is where the button lies over the stretched picture (300 of 326 layer
// pixels is 294 of the picture's 320); a crop past the picture's right edge would leave the
// button's background undrawn.
const CRect kPromptCloseCrop(294, 8, 306, 20);
const CRect kPromptOkCrop(106, 107, 161, 131);
const CRect kPromptCancelCrop(185, 107, 240, 131);

namespace {

constexpr ButtonPictures kYes{IDB_PNG_PROMPT_YES_NORMAL, IDB_PNG_PROMPT_YES_HOVER,
                              IDB_PNG_PROMPT_YES_PRESSED, IDB_PNG_PROMPT_YES_PRESSED};
constexpr ButtonPictures kNo{IDB_PNG_PROMPT_NO_NORMAL, IDB_PNG_PROMPT_NO_HOVER,
                             IDB_PNG_PROMPT_NO_PRESSED, IDB_PNG_PROMPT_NO_PRESSED};
constexpr ButtonPictures kConfirm{IDB_PNG_PROMPT_CONFIRM_NORMAL, IDB_PNG_PROMPT_CONFIRM_HOVER,
                                  IDB_PNG_PROMPT_CONFIRM_PRESSED, IDB_PNG_PROMPT_CONFIRM_PRESSED};
constexpr ButtonPictures kCancel{IDB_PNG_PROMPT_CANCEL_NORMAL, IDB_PNG_PROMPT_CANCEL_HOVER,
                                 IDB_PNG_PROMPT_CANCEL_PRESSED, IDB_PNG_PROMPT_CANCEL_PRESSED};

int Trunc(double value) {
    return static_cast<int>(value);
}

} // namespace

PromptButtonLook PromptLookForType(int nType) {
    switch (nType) {
    case kPromptTypeYes:
        return {kYes, kNo, false, true};
    case kPromptTypeYesNo:
        return {kYes, kNo, true, false};
    case kPromptTypeConfirm:
        return {kConfirm, kCancel, false, true};
    case kPromptTypeConfirmCancel:
        return {kConfirm, kCancel, true, false};
    }
    return {kYes, kNo, false, false};
}

PromptLayout ComputePromptLayout(const CRect& client, float scale, int nType) {
    const double s = scale;
    const int l = client.left, t = client.top, r = client.right, b = client.bottom;
    const int halfWidth = (r - l) / 2;
    PromptLayout out;

    const int closeLeft = r - Trunc(26 * s);
    const int closeTop = t + Trunc(8 * s);
    out.close = CRect(closeLeft, closeTop, closeLeft + Trunc(12 * s), closeTop + Trunc(12 * s));

    // Two buttons stand 12 design pixels either side of the middle.
    const int buttonTop = t + Trunc(107 * s);
    const int buttonWidth = Trunc(55 * s);
    const int buttonHeight = Trunc(24 * s);
    const int okLeft = Trunc(halfWidth - 55 * s - 12 * s);
    out.ok = CRect(okLeft, buttonTop, okLeft + buttonWidth, buttonTop + buttonHeight);
    const int cancelLeft = Trunc(halfWidth + 12 * s);
    out.cancel = CRect(cancelLeft, buttonTop, cancelLeft + buttonWidth, buttonTop + buttonHeight);
    if (PromptLookForType(nType).centresOk) {
        const int left = Trunc(halfWidth - 55 * s / 2);
        const int top = Trunc(107 * s);
        out.ok = CRect(left, top, left + buttonWidth, top + buttonHeight);
    }

    out.message = CRect(l + Trunc(10 * s), t + Trunc(30 * s), r - Trunc(10 * s), b - Trunc(40 * s));
    return out;
}
