#include "mainwnd/MainWindowRules.h"

#include "detect/DetectMessages.h"
#include "log/ToolLog.h"

const wchar_t* const kNewVersionPromptText = L"检测到当前工具有新的版本更新，请下载最新版本使用。";
const wchar_t* const kWrongCodePagePromptText = L"本工具仅支持简体中文版";
const wchar_t* const kDetectThreadFailedPromptText = L"检测Modern Standby失败！";
const wchar_t* const kBusyPromptText = L"正在检测，请稍等";

namespace {

const StartupCheckTexts kStartupCheckTexts[kStartupStepCount] = {
    {kToolLogSetNotifyWindowFailed, L"工具初始化失败"},
    {kToolLogSystemNotSupported, L"此工具不支持当前系统"},
    {kToolLogLoadFeedbackDllFailed, L"工具初始化失败"},
    {kToolLogInitFeedbackDllFailed, L"工具初始化失败"},
};

} // namespace

const StartupCheckTexts& StartupCheckTextsOf(int step) {
    return kStartupCheckTexts[step];
}

int FirstFailingStep(const std::vector<std::function<BOOL()>>& steps) {
    for (size_t i = 0; i < steps.size(); ++i)
        if (!steps[i]())
            return static_cast<int>(i);
    return -1;
}

const wchar_t* VerdictPromptText(WPARAM verdict) {
    switch (verdict) {
    case DETECT_SUPPORTED:
        return L"本机支持Modern Standby功能";
    case DETECT_NOT_SUPPORTED:
        return L"本机不支持Modern Standby功能";
    case DETECT_FAILED:
        return L"检测Modern Standby失败";
    }
    return nullptr;
}

DeferredCheck DeferredCheckOutcome(BOOL newerVersionExists, UINT ansiCodePage) {
    if (newerVersionExists)
        return DeferredCheck::NewVersion;
    if (ansiCodePage != kRequiredAnsiCodePage)
        return DeferredCheck::WrongCodePage;
    return DeferredCheck::None;
}
