// What the main window decides at start, after start and on a verdict.
#include "mainwnd/MainWindowRules.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::ToGbk;

TEST(StartupChecks, TheFirstFailingStepStopsTheRest) {
    struct Case {
        const char* name;
        bool passes[kStartupStepCount];
        int failed;
        int stepsRun;
    } cases[] = {
        {"all pass", {true, true, true, true}, -1, 4},
        {"notify window refused", {false, true, true, true}, kStepNotifyWindow, 1},
        {"version refused", {true, false, false, true}, kStepSystemVersion, 2},
        {"library not loaded", {true, true, false, false}, kStepLoadFeedbackDll, 3},
        {"initialisation refused", {true, true, true, false}, kStepInitFeedbackDll, 4},
    };
    for (const Case& c : cases) {
        int run = 0;
        std::vector<std::function<BOOL()>> steps;
        for (bool pass : c.passes)
            steps.push_back([&run, pass] {
                ++run;
                return pass ? TRUE : FALSE;
            });
        EXPECT_EQ(c.failed, FirstFailingStep(steps)) << c.name;
        EXPECT_EQ(c.stepsRun, run) << c.name;
    }
}

TEST(StartupChecks, EachStepLogsItsOwnTextAndShowsItsPrompt) {
    const struct {
        int step;
        const wchar_t* log;
        const wchar_t* prompt;
    } cases[] = {
        {kStepNotifyWindow, L"设置接收消息窗口指针失败", L"工具初始化失败"},
        {kStepSystemVersion, L"此工具不支持当前系统", L"此工具不支持当前系统"},
        {kStepLoadFeedbackDll, L"加载反馈DLL失败", L"工具初始化失败"},
        {kStepInitFeedbackDll, L"初始化反馈DLL失败", L"工具初始化失败"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToGbk(c.log), StartupCheckTextsOf(c.step).logText) << c.step;
        EXPECT_EQ(std::wstring(c.prompt), StartupCheckTextsOf(c.step).promptText) << c.step;
    }
}

TEST(Verdicts, KnownCodesHaveTheirTextOthersShowNothing) {
    EXPECT_EQ(std::wstring(L"本机支持Modern Standby功能"), VerdictPromptText(1));
    EXPECT_EQ(std::wstring(L"本机不支持Modern Standby功能"), VerdictPromptText(2));
    EXPECT_EQ(std::wstring(L"检测Modern Standby失败"), VerdictPromptText(3));
    for (WPARAM other : {WPARAM(0), WPARAM(4), WPARAM(-1)})
        EXPECT_EQ(nullptr, VerdictPromptText(other)) << other;
}

TEST(DeferredChecks, ANewerVersionWinsOverTheLanguage) {
    const struct {
        BOOL newer;
        UINT codePage;
        DeferredCheck outcome;
    } cases[] = {
        {FALSE, 936, DeferredCheck::None},          {FALSE, 1252, DeferredCheck::WrongCodePage},
        {FALSE, 950, DeferredCheck::WrongCodePage}, {TRUE, 936, DeferredCheck::NewVersion},
        {TRUE, 1252, DeferredCheck::NewVersion},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.outcome, DeferredCheckOutcome(c.newer, c.codePage))
            << c.newer << " " << c.codePage;
}
