// Runs a busy-prompt-sized pair at the screen's own scale and writes the shell's size to the
// file named by the first argument: "width height".
#include "TestPair.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    testsupport::ScopedGdiplus gdiplus;
    pairtest::TestShell shell(kBusyPromptPair, CLayeredShellDlg::ScreenScale());
    CRect seen;
    shell.whileRunning = [&](pairtest::TestShell& s) {
        seen = s.ShellRect();
        s.EndDialog(IDOK);
    };
    if (shell.DoModal() != IDOK)
        return 3;
    FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 4;
    std::fprintf(out, "%d %d\n", seen.Width(), seen.Height());
    std::fclose(out);
    return 0;
}
