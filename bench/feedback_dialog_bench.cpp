// GDI and USER objects of a process that opens and closes the problem-solving feedback dialog
// 50 times, with the recording feedback library behind it. In the tool the dialog shows once,
// at the close; here it shows again and again so that anything it leaves behind adds up.
#include "bench/ProcessFigures.h"
#include "dialogs/CProblemSolvingFeedbackDlg.h"
#include "feedback/FeedbackDll.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

#include <objidl.h>

#include <gdiplus.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kOpenings = 50;
constexpr UINT_PTR kCloseTimer = 91;

// Closes itself through its close button's command once it has run a moment.
class SelfClosingFeedbackDlg : public CProblemSolvingFeedbackDlg {
  protected:
    BOOL OnInitDialog() override {
        const BOOL result = CProblemSolvingFeedbackDlg::OnInitDialog();
        if (m_hWnd)
            SetTimer(kCloseTimer, 50);
        return result;
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_TIMER && wParam == kCloseTimer) {
            KillTimer(kCloseTimer);
            if (CProblemSolvingFeedbackChildDlg* child = ChildDlg())
                ::SendMessageW(child->m_hWnd, WM_COMMAND,
                               MAKEWPARAM(IDC_BTN_FEEDBACK_CLOSE, BN_CLICKED),
                               reinterpret_cast<LPARAM>(child->m_btnClose.m_hWnd));
            else
                EndDialog(IDCANCEL);
            return 0;
        }
        return CProblemSolvingFeedbackDlg::WindowProc(msg, wParam, lParam);
    }
};

std::wstring BesideThisProgram(const wchar_t* relative) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + relative;
}

} // namespace

int main() {
    HMODULE measureLibrary = LoadLibraryW(BesideThisProgram(MSDT_MEASURE_DLL).c_str());
    auto measure = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(measureLibrary, MSDT_MEASURE_PROC)));
    if (!measure) {
        std::printf("feedback_dialog_bench: no measuring library\n");
        return 1;
    }
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        CWinApp app;
        CFeedbackDll library;
        CString info[6];
        const bool loaded =
            library.LoadFrom(BesideThisProgram(L"..\\feedback-service\\recording")) &&
            library.CallInitFreedbackDll(info);
        if (!loaded) {
            std::printf("feedback_dialog_bench: the recording feedback library did not load\n");
            return 1;
        }
        ProcessFigures before = {}, afterOne = {}, afterAll = {};
        measure(&before);
        for (int opening = 1; opening <= kOpenings; ++opening) {
            SelfClosingFeedbackDlg dialog;
            dialog.SetFeedbackDll(&library);
            dialog.SetFeedbackInfo(info);
            dialog.DoModal();
            if (opening == 1)
                measure(&afterOne);
        }
        measure(&afterAll);
        std::printf("\nfeedback dialog opened and closed in one process\n\n");
        std::printf("| %-26s | %11s | %11s | %11s |\n", "process figure", "before", "1 opening",
                    "50 openings");
        std::printf("|----------------------------|-------------|-------------|-------------|\n");
        std::printf("| %-26s | %11lu | %11lu | %11lu |\n", "GDI objects", before.gdiObjects,
                    afterOne.gdiObjects, afterAll.gdiObjects);
        std::printf("| %-26s | %11lu | %11lu | %11lu |\n", "USER objects", before.UserObjects(),
                    afterOne.UserObjects(), afterAll.UserObjects());
        std::printf("| %-26s | %7.1f MiB | %7.1f MiB | %7.1f MiB |\n", "private bytes",
                    before.privateBytes / 1048576.0, afterOne.privateBytes / 1048576.0,
                    afterAll.privateBytes / 1048576.0);
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
