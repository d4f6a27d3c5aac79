// Messages the detection worker sends to the window that asked for a detection, and the
// verdict codes it carries.
#pragma once

#include <windows.h>

// The probe is over; the busy prompt is to be closed. Always sent first.
constexpr UINT WM_CLOSE_EXECUTE_PROMPT = 0x5F5;
// The verdict, in wParam. Always sent right after WM_CLOSE_EXECUTE_PROMPT.
constexpr UINT WM_DETECT_RESULT = 0x5F6;

constexpr int DETECT_SUPPORTED = 1;
constexpr int DETECT_NOT_SUPPORTED = 2;
constexpr int DETECT_FAILED = 3;
