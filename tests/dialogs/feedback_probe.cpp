// Runs the feedback dialog at the screen's own scale and writes what it laid out to the file
// named by the first argument: "layerWidth layerHeight" and then "width height" of the solved,
// not-solved and more-solutions buttons, one pair per line.
#include "DialogScript.h"
#include "dialogs/CProblemSolvingFeedbackDlg.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    testsupport::ScopedGdiplus gdiplus;
    CWinApp app;
    dlgtest::Scripted<CProblemSolvingFeedbackDlg> dialog;
    RECT layer{};
    RECT buttons[3]{};
    dialog.steps = {[&] {
        CProblemSolvingFeedbackChildDlg* child = dialog.ChildDlg();
        ::GetClientRect(child->m_hWnd, &layer);
        const HWND handles[3] = {child->m_btnSolved.m_hWnd, child->m_btnUnsolved.m_hWnd,
                                 child->m_btnMoreSolutions.m_hWnd};
        for (int i = 0; i < 3; ++i)
            ::GetWindowRect(handles[i], &buttons[i]);
        dialog.EndDialog(IDOK);
        return true;
    }};
    if (dialog.DoModal() != IDOK)
        return 3;
    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 4;
    std::fprintf(out, "%ld %ld\n", layer.right, layer.bottom);
    for (const RECT& b : buttons)
        std::fprintf(out, "%ld %ld\n", b.right - b.left, b.bottom - b.top);
    std::fclose(out);
    return 0;
}
