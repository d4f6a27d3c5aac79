// What the busy prompt shows and where, as plain functions.
#pragma once

#include "framework/CGeometry.h"
#include "framework/CString.h"

// Shown when the caller's text is too short to say anything.
extern const wchar_t* const kBusyPromptFallbackText;

// The caller's text when it has at least two characters, else the fallback.
CString BusyPromptText(const CString& strMessage);

// The text's place in the layer: one 40-pixel line across the middle, 10 pixels in from each side.
CRect BusyTextRect(const CRect& client, float scale);

// Where the text's background comes from in the layer picture (204 x 104).
extern const CRect kBusyTextCrop;
