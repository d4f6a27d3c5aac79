// The steps the two picture buttons (CPngButton, CImageButton) share: their four pictures by
// state, which one shows, and following the pointer over the button.
#pragma once

#include "controls/DrawingHelpers.h"

// A button's states as it keeps them.
constexpr int kButtonNormal = 1;
constexpr int kButtonHover = 2;
constexpr int kButtonPressed = 3;
constexpr int kButtonDisabled = 4;

// The four pictures of a picture button: references to the button's own members, which own
// the pictures.
struct ButtonPictureRefs {
    Gdiplus::Image*& normal;
    Gdiplus::Image*& hover;
    Gdiplus::Image*& pressed;
    Gdiplus::Image*& disabled;
};

// Loads the four pictures; a failed load leaves its member as it was.
void LoadButtonPictures(const ButtonPictureRefs& pictures, UINT nNormal, UINT nHover, UINT nPressed,
                        UINT nDisabled);
// Deletes the four pictures and nulls their members.
void ReleaseButtonPictures(const ButtonPictureRefs& pictures);
// Whether all four are loaded: until then a button draws nothing.
bool HasAllButtonPictures(const ButtonPictureRefs& pictures);
// The picture to show: the disabled one while the window is disabled, else the one of the
// state (normal, hover, pressed); null for any other state.
Gdiplus::Image* ButtonPictureForState(const ButtonPictureRefs& pictures, BOOL bWindowEnabled,
                                      int nState);

// On a pointer move over an enabled button: asks for the hover and leave notifications once per
// visit, bTracking telling whether they are asked for already.
void TrackButtonVisit(CWnd& button, BOOL& bTracking);
// Moves an enabled button to another state and repaints it; a disabled one keeps its state.
void ShowButtonState(CWnd& button, int& nState, int nNewState);
