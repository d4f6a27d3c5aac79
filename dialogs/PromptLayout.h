// The message prompt's buttons and layout, as plain functions of the button type, the layer's
// client rectangle and the scale factor.
#pragma once

#include "framework/CGeometry.h"

// Button types of the message prompt.
constexpr int kPromptTypeYes = 1;           // 是 alone
constexpr int kPromptTypeYesNo = 2;         // 是 and 否
constexpr int kPromptTypeConfirm = 3;       // 确认 alone
constexpr int kPromptTypeConfirmCancel = 4; // 确认 and 取消

// A button's pictures in the order normal, hover, pressed, disabled.
struct ButtonPictures {
    UINT normal, hover, pressed, disabled;
};

struct PromptButtonLook {
    ButtonPictures ok, cancel;
    bool showsCancel;
    bool centresOk; // one button: it sits under the middle of the message
};

// What a type shows. An unknown type shows the yes button alone where it stands beside a cancel
// button, since nothing says which button it should have had.
PromptButtonLook PromptLookForType(int nType);

struct PromptLayout {
    CRect close, ok, cancel, message;
};

// Where the controls go in the layer's client rectangle.
PromptLayout ComputePromptLayout(const CRect& client, float scale, int nType);

// Where each control's background comes from in the layer picture (320 x 140).
extern const CRect kPromptCloseCrop;
extern const CRect kPromptOkCrop;
extern const CRect kPromptCancelCrop;
