#include "controls/PictureButtonSteps.h"

#include <commctrl.h>

void LoadButtonPictures(const ButtonPictureRefs& pictures, UINT nNormal, UINT nHover, UINT nPressed,
                        UINT nDisabled) {
    LoadPngResource(&pictures.normal, nNormal);
    LoadPngResource(&pictures.hover, nHover);
    LoadPngResource(&pictures.pressed, nPressed);
    LoadPngResource(&pictures.disabled, nDisabled);
}

void ReleaseButtonPictures(const ButtonPictureRefs& pictures) {
    ReleasePicture(pictures.normal);
    ReleasePicture(pictures.hover);
    ReleasePicture(pictures.pressed);
    ReleasePicture(pictures.disabled);
}

bool HasAllButtonPictures(const ButtonPictureRefs& pictures) {
    return pictures.normal && pictures.hover && pictures.pressed && pictures.disabled;
}

Gdiplus::Image* ButtonPictureForState(const ButtonPictureRefs& pictures, BOOL bWindowEnabled,
                                      int nState) {
    if (!bWindowEnabled)
        return pictures.disabled;
    return nState == kButtonNormal    ? pictures.normal
           : nState == kButtonHover   ? pictures.hover
           : nState == kButtonPressed ? pictures.pressed
                                      : nullptr;
}

void TrackButtonVisit(CWnd& button, BOOL& bTracking) {
    if (!button.IsWindowEnabled() || bTracking)
        return;
    TRACKMOUSEEVENT tme{};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.hwndTrack = button.m_hWnd;
    tme.dwHoverTime = 10;
    if (::_TrackMouseEvent(&tme))
        bTracking = TRUE;
}

void ShowButtonState(CWnd& button, int& nState, int nNewState) {
    if (button.IsWindowEnabled() && nState != nNewState) {
        nState = nNewState;
        button.Invalidate(TRUE);
    }
}
