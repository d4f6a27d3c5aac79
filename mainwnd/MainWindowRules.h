// What the main window decides, as plain functions of plain values: which start-up check stops
// the tool and what it says, which verdict text a detection shows, what the deferred checks do.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Timers of the main control layer.
constexpr UINT_PTR kHoverTimerId = 33;          // refreshes the agreement link's hover state
constexpr UINT_PTR kDeferredChecksTimerId = 38; // fires once: new version, then code page
constexpr UINT kMainTimerPeriodMs = 100;

// The tool's texts are in Simplified Chinese; elsewhere they would come out garbled.
constexpr UINT kRequiredAnsiCodePage = 936;

// Every prompt of the main window has one confirm button.
constexpr int kMainPromptType = 3;

// The four start-up checks, in the order they run.
enum StartupStep {
    kStepNotifyWindow = 0,
    kStepSystemVersion = 1,
    kStepLoadFeedbackDll = 2,
    kStepInitFeedbackDll = 3,
    kStartupStepCount = 4
};

struct StartupCheckTexts {
    const char* logText;       // code page 936, for the tool log
    const wchar_t* promptText; // shown before the tool ends
};

// The texts of a step (0 to kStartupStepCount - 1).
const StartupCheckTexts& StartupCheckTextsOf(int step);

// Runs the steps in order and stops at the first that fails: its index, or -1 when all pass.
int FirstFailingStep(const std::vector<std::function<BOOL()>>& steps);

// The prompt text of a verdict code; null for a code that is no verdict (nothing is shown).
const wchar_t* VerdictPromptText(WPARAM verdict);

enum class DeferredCheck { None, NewVersion, WrongCodePage };

// A newer version ends the tool, so the language is looked at only when there is none.
DeferredCheck DeferredCheckOutcome(BOOL newerVersionExists, UINT ansiCodePage);

extern const wchar_t* const kNewVersionPromptText;
extern const wchar_t* const kWrongCodePagePromptText;
extern const wchar_t* const kDetectThreadFailedPromptText;
extern const wchar_t* const kBusyPromptText;
