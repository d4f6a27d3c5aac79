// The tool's figures beside references, measured in one run on this machine: start-up beside
// the floor program, detection beside the command alone plus the runner's pauses, memory,
// kernel handles, GDI and USER objects over 50 detections, and the sizes of what ships.
// Prints figures only; nothing here passes or fails on speed.
#include "bench/BenchStats.h"
#include "bench/ProcessProbe.h"
#include "e2e/ToolDriver.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace e2e;
using namespace testsupport;

namespace {

constexpr int kStartRuns = 7;
constexpr int kDetections = 50;
constexpr int kReferenceRuns = 10;
// The runner's pause after each chunk of output it reads.
constexpr double kChunkPauseMs = 500;

constexpr int kDetectButton = 1014;
constexpr int kPromptText = 1006;

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Polls every millisecond: the moment matters here, unlike in the tests.
bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs = 60000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(1);
    }
    return true;
}

// Sends whatever paint is still pending to the window and its children, and waits for it.
void FlushPaint(HWND hWnd) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Visible(HWND hWnd) {
    return hWnd && IsWindowVisible(hWnd);
}

// Process start to the main window pair shown, laid out and painted.
bool ToolStartup(const ToolCopy& copy, double* ms) {
    const double start = NowMs();
    RunningTool tool(copy);
    HWND layer = nullptr;
    const bool up = PollUntil([&] {
        layer = FindLayerWithControl(tool.Id(), kDetectButton);
        if (!layer || !Visible(GetWindow(layer, GW_OWNER)))
            return false;
        const RECT button = ScreenRect(GetDlgItem(layer, kDetectButton));
        return button.right > button.left;
    });
    if (!up)
        return false;
    FlushPaint(layer);
    *ms = NowMs() - start;
    return true;
}

// Process start to the floor's picture on the screen.
bool FloorStartup(double* ms) {
    const std::wstring exe = BuildFile(L"bench\\floor_window.exe");
    const double start = NowMs();
    ChildProcess floor;
    if (!floor.Start(exe, L""))
        return false;
    HWND window = nullptr;
    const bool up = PollUntil([&] {
        for (HWND hWnd : TopLevelWindows(floor.Id()))
            window = hWnd;
        return Visible(window);
    });
    if (!up)
        return false;
    FlushPaint(window);
    *ms = NowMs() - start;
    PostMessageW(window, WM_CLOSE, 0, 0);
    floor.WaitExit(10000);
    return true;
}

// "cmd /C powercfg /a" alone, as the runner starts it (native interpreter, redirection off,
// output through a pipe), read without pauses. Counts the chunks the runner would pause after.
bool CommandAlone(double* ms, int* chunks) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring interpreter = std::wstring(system) + L"\\cmd.exe";
    std::wstring commandLine = L"cmd /C powercfg /a";
    PVOID redirection = nullptr;
    const BOOL off = Wow64DisableWow64FsRedirection(&redirection);

    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &sa, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.hStdOutput = si.hStdError = writeEnd;
    si.wShowWindow = SW_HIDE;
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    PROCESS_INFORMATION pi = {};
    const double start = NowMs();
    const BOOL started = CreateProcessW(interpreter.c_str(), &commandLine[0], nullptr, nullptr,
                                        TRUE, 0, nullptr, system, &si, &pi);
    CloseHandle(writeEnd);
    *chunks = 0;
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer) - 1, &read, nullptr))
            ++*chunks;
        WaitForSingleObject(pi.hProcess, INFINITE);
        *ms = NowMs() - start;
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(readEnd);
    if (off)
        Wow64RevertWow64FsRedirection(redirection);
    return started != FALSE;
}

// One detection: from releasing the button over "检测" to the verdict prompt painted. The
// prompt is then confirmed and the main window is usable again.
bool Detect(const RunningTool& tool, double* ms) {
    HWND button = tool.Control(kDetectButton);
    MoveCursorTo(Center(button));
    if (!PollUntil([&] { return WindowFromPoint(Center(button)) == button; }, 10000))
        return false;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(30);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    const double start = NowMs();
    SendInput(1, &input, sizeof(INPUT));
    HWND prompt = nullptr;
    if (!PollUntil([&] { return (prompt = FindLayerWithControl(tool.Id(), kPromptText)); }))
        return false;
    FlushPaint(prompt);
    *ms = NowMs() - start;
    return ConfirmPrompt(tool.Id(), prompt) &&
           PollUntil([&] { return IsWindowEnabled(tool.Layer()) != FALSE; }, 10000);
}

std::wstring FromBuild(const wchar_t* relative) {
    return BuildFile(relative);
}

DWORD FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

double Mib(DWORD bytes) {
    return bytes / (1024.0 * 1024.0);
}

void PrintSpread(const char* what, const Spread& s, const char* unit) {
    std::printf("| %-44s | %8.0f %s | %8.0f | %8.0f |\n", what, s.median, unit, s.min, s.max);
}

int Fail(const char* what) {
    std::printf("tool_bench: %s\n", what);
    return 1;
}

} // namespace

int main() {
    ScopedToolLog log;
    ScopedRegistryValue dpi(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", 96);
    ToolCopy copy;

    // Start-up, the tool and the floor in turn, so that both meet the same machine.
    std::vector<double> toolStart, floorStart;
    for (int run = 0; run < kStartRuns; ++run) {
        double ms = 0;
        if (!FloorStartup(&ms))
            return Fail("the floor program did not show its window");
        floorStart.push_back(ms);
        if (!ToolStartup(copy, &ms))
            return Fail("the tool did not show its main window");
        toolStart.push_back(ms);
    }

    std::vector<double> reference;
    int chunks = 0;
    for (int run = 0; run < kReferenceRuns; ++run) {
        double ms = 0;
        if (!CommandAlone(&ms, &chunks))
            return Fail("cmd /C powercfg /a did not start");
        reference.push_back(ms + chunks * kChunkPauseMs);
    }

    // Detections in one run of the tool, measured from inside after start-up, after the first
    // and after the last.
    RunningTool tool(copy);
    if (!tool.WaitForMainWindow())
        return Fail("the tool did not show its main window");
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, tool.Id());
    ProcessProbe probe;
    if (!process || !probe.Attach(process, MeasureLibraryBesideThisProgram()))
        return Fail("the measuring library could not be loaded into the tool");
    ProcessFigures afterStart = {}, afterOne = {}, afterTwo = {}, afterAll = {};
    if (!probe.MeasureSettled(&afterStart))
        return Fail("the tool did not answer the measuring library");
    std::vector<double> detection;
    for (int run = 1; run <= kDetections; ++run) {
        double ms = 0;
        if (!Detect(tool, &ms))
            return Fail("a detection did not end in the verdict prompt");
        detection.push_back(ms);
        if ((run == 1 && !probe.MeasureSettled(&afterOne)) ||
            (run == 2 && !probe.MeasureSettled(&afterTwo)))
            return Fail("the tool did not answer the measuring library");
    }
    if (!probe.MeasureSettled(&afterAll))
        return Fail("the tool did not answer the measuring library");
    CloseHandle(process);

    const Spread toolS = Summarize(toolStart), floorS = Summarize(floorStart);
    const Spread detectS = Summarize(detection), referenceS = Summarize(reference);
    std::printf("\ntool figures under Wine, median of several runs with min and max\n\n");
    std::printf("| %-44s | %11s | %8s | %8s |\n", "figure", "median", "min", "max");
    std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(13, '-').c_str(),
                std::string(10, '-').c_str(), std::string(10, '-').c_str());
    PrintSpread("start-up, tool (7 runs)", toolS, "ms");
    PrintSpread("start-up, floor program (7 runs)", floorS, "ms");
    std::printf("| %-44s | %9.2f x | %8s | %8s |\n", "start-up ratio tool / floor (medians)",
                floorS.median > 0 ? toolS.median / floorS.median : 0.0, "", "");
    PrintSpread("detection, click to verdict (50 runs)", detectS, "ms");
    char label[80];
    std::snprintf(label, sizeof(label), "cmd /C powercfg /a + %d x 500 ms (10 runs)", chunks);
    PrintSpread(label, referenceS, "ms");
    std::printf("| %-44s | %+8.0f ms | %8s | %8s |\n", "detection overhead (medians)",
                detectS.median - referenceS.median, "", "");

    std::printf("\n| %-26s | %11s | %11s | %11s | %11s |\n", "process figure", "start-up",
                "1 detection", "2 detect.", "50 detect.");
    const std::string cell(13, '-');
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(28, '-').c_str(), cell.c_str(), cell.c_str(),
                cell.c_str(), cell.c_str());
    const ProcessFigures* columns[] = {&afterStart, &afterOne, &afterTwo, &afterAll};
    auto row = [&](const char* name, DWORD (*get)(const ProcessFigures&), bool mib) {
        std::printf("| %-26s |", name);
        for (const ProcessFigures* figures : columns) {
            if (mib)
                std::printf(" %7.1f MiB |", Mib(get(*figures)));
            else
                std::printf(" %11lu |", static_cast<unsigned long>(get(*figures)));
        }
        std::printf("\n");
    };
    row(
        "peak working set", [](const ProcessFigures& f) { return f.peakWorkingSet; }, true);
    row(
        "private bytes", [](const ProcessFigures& f) { return f.privateBytes; }, true);
    row(
        "kernel handles", [](const ProcessFigures& f) { return f.handles; }, false);
    row(
        "GDI objects", [](const ProcessFigures& f) { return f.gdiObjects; }, false);
    row(
        "USER objects", [](const ProcessFigures& f) { return f.UserObjects(); }, false);

    std::printf("\n| %-40s | %12s |\n", "file", "size");
    std::printf("|%s|%s|\n", std::string(42, '-').c_str(), std::string(14, '-').c_str());
    std::printf("| %-40s | %8lu KiB |\n", "ModernStandbyDetectionTool.exe",
                static_cast<unsigned long>(
                    FileSize(FromBuild(L"app\\ModernStandbyDetectionTool.exe")) / 1024));
    std::printf(
        "| %-40s | %8lu KiB |\n", "TarselFeedbackInformation.dll",
        static_cast<unsigned long>(
            FileSize(FromBuild(L"feedback-service\\TarselFeedbackInformation.dll")) / 1024));
    return 0;
}
