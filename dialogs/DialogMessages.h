// Custom messages of the skinned dialogs, and the values they carry.
#pragma once

#include <windows.h>

// Message prompt: its control layer tells the shell which button was pressed (wParam below).
constexpr UINT WM_PROMPT_RESULT = WM_USER + 533; // 0x615
constexpr WPARAM kPromptResultConfirm = 1;
constexpr WPARAM kPromptResultCancel = 2;
