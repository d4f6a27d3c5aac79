#include "e2e/ToolDriver.h"

#include <shlobj.h>

using namespace testsupport;

namespace e2e {

namespace {

const int kDetectButtonId = 1014;
const int kPromptMessageId = 1006;
const int kPromptOkId = 1007;

std::wstring CommonAppData() {
    wchar_t folder[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE);
    return folder;
}

bool CopyInto(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

} // namespace

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::wstring& key,
                                         const std::wstring& name, DWORD value)
    : m_name(name) {
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key,
                    nullptr);
    Save();
    RegSetValueExW(m_key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof(value));
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::wstring& key,
                                         const std::wstring& name, const std::wstring& value)
    : m_name(name) {
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key,
                    nullptr);
    Save();
    RegSetValueExW(m_key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::wstring& key,
                                         const std::wstring& name)
    : m_name(name) {
    RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key,
                    nullptr);
    Save();
    RegDeleteValueW(m_key, name.c_str());
}

void ScopedRegistryValue::Save() {
    DWORD size = 0;
    m_had =
        RegQueryValueExW(m_key, m_name.c_str(), nullptr, &m_type, nullptr, &size) == ERROR_SUCCESS;
    if (!m_had)
        return;
    m_old.resize(size);
    RegQueryValueExW(m_key, m_name.c_str(), nullptr, &m_type, m_old.data(), &size);
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (m_had)
        RegSetValueExW(m_key, m_name.c_str(), 0, m_type, m_old.data(),
                       static_cast<DWORD>(m_old.size()));
    else
        RegDeleteValueW(m_key, m_name.c_str());
    RegCloseKey(m_key);
}

ScopedToolLog::ScopedToolLog()
    : m_folder(CommonAppData() + L"\\ToolLog"),
      m_aside(CommonAppData() + L"\\ToolLog.kept-by-e2e-" +
              std::to_wstring(GetCurrentProcessId())) {
    if (FileExists(m_folder))
        MoveFileW(m_folder.c_str(), m_aside.c_str());
}

ScopedToolLog::~ScopedToolLog() {
    RemoveTree(m_folder);
    if (FileExists(m_aside))
        MoveFileW(m_aside.c_str(), m_folder.c_str());
}

bool ScopedToolLog::FolderExists() const {
    return FileExists(m_folder);
}

std::vector<std::string> ScopedToolLog::Messages() const {
    // "[YYYY-MM-DD hh:mm:ss mmmms]   " precedes every message.
    const size_t stampLength = 30;
    std::vector<std::string> messages;
    for (const std::string& line : ReadLines(m_folder + L"\\Modern Standby检测工具.txt"))
        messages.push_back(line.size() >= stampLength ? line.substr(stampLength) : line);
    return messages;
}

ToolCopy::ToolCopy(Library library, const std::wstring& folderName)
    : m_folder(m_root.Path() + L"\\" + folderName) {
    CreateDirectoryW(m_folder.c_str(), nullptr);
    CopyInto(BuildFile(L"app\\ModernStandbyDetectionTool.exe"), Exe());
    switch (library) {
    case Library::Recording:
        CopyInto(BuildFile(L"feedback-service\\recording\\TarselFeedbackInformation.dll"),
                 LibraryPath());
        break;
    case Library::Partial:
        CopyInto(BuildFile(L"tests\\feedback\\partial\\TarselFeedbackInformation.dll"),
                 LibraryPath());
        break;
    case Library::Refusing:
        CopyInto(BuildFile(L"tests\\e2e\\refusing\\TarselFeedbackInformation.dll"), LibraryPath());
        break;
    case Library::Missing:
        break;
    }
}

void ToolCopy::OfferNewerVersion() const {
    WriteBytes(m_folder + L"\\TarselFeedbackInformation.ini", "[Update]\r\nLatestVersion=9.0\r\n");
}

RunningTool::RunningTool(const ToolCopy& copy)
    : m_record(copy.Folder() + L"\\..\\calls.txt"),
      m_recordEnv(new ScopedEnv(L"MSDT_FEEDBACK_RECORD", m_record)) {
    m_process.Start(copy.Exe(), copy.Folder());
}

RunningTool::~RunningTool() {
    // ChildProcess ends a tool that is still running.
}

bool RunningTool::WaitForMainWindow(DWORD timeoutMs) {
    m_layer = WaitForLayerWithControl(Id(), kDetectButtonId, timeoutMs);
    m_host = m_layer ? GetWindow(m_layer, GW_OWNER) : nullptr;
    return m_layer != nullptr;
}

std::vector<std::string> RunningTool::Calls() const {
    return ReadLines(m_record);
}

bool RunningTool::Called(const std::string& line) const {
    for (const std::string& call : Calls())
        if (call == line || call.compare(0, line.size() + 1, line + "\t") == 0)
            return true;
    return false;
}

bool RunningTool::WaitForCall(const std::string& line, DWORD timeoutMs) const {
    return WaitUntil([&] { return Called(line); }, timeoutMs);
}

HWND FindLayerWithControl(DWORD processId, int controlId) {
    // A layer shows before its shell, which is then placed and shown: only then is the pair
    // where a person sees it.
    for (HWND hWnd : TopLevelWindows(processId)) {
        HWND control = GetDlgItem(hWnd, controlId);
        HWND shell = GetWindow(hWnd, GW_OWNER);
        if (control && IsWindowVisible(control) && shell && IsWindowVisible(shell))
            return hWnd;
    }
    return nullptr;
}

HWND WaitForLayerWithControl(DWORD processId, int controlId, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindLayerWithControl(processId, controlId)) != nullptr; },
              timeoutMs);
    return found;
}

bool WaitForLayerGone(DWORD processId, int controlId, DWORD timeoutMs) {
    return WaitUntil([&] { return FindLayerWithControl(processId, controlId) == nullptr; },
                     timeoutMs);
}

HWND WaitForMessagePrompt(DWORD processId, DWORD timeoutMs) {
    return WaitForLayerWithControl(processId, kPromptMessageId, timeoutMs);
}

std::wstring PromptText(HWND promptLayer) {
    return WindowText(GetDlgItem(promptLayer, kPromptMessageId));
}

bool ConfirmPrompt(DWORD processId, HWND promptLayer) {
    if (!ClickControl(GetDlgItem(promptLayer, kPromptOkId)))
        return false;
    return WaitUntil([&] { return !IsWindow(promptLayer) || !IsWindowVisible(promptLayer); }) &&
           (FindLayerWithControl(processId, kPromptMessageId) != promptLayer);
}

bool ClickOn(HWND target, POINT screenPoint) {
    MoveCursorTo(screenPoint);
    const bool onTop = WaitUntil([&] {
        HWND under = WindowFromPoint(screenPoint);
        return under == target || IsChild(target, under);
    });
    if (onTop)
        ClickAt(screenPoint);
    return onTop;
}

bool ClickControl(HWND control) {
    return control && ClickOn(control, Center(control));
}

void Drag(POINT from, POINT to) {
    MoveCursorTo(from);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(50);
    const int steps = 10;
    for (int i = 1; i <= steps; ++i)
        MoveCursorTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(50);
}

POINT PointIn(HWND hWnd, int dx, int dy) {
    const RECT rc = ScreenRect(hWnd);
    return {rc.left + dx, rc.top + dy};
}

POINT Center(HWND hWnd) {
    const RECT rc = ScreenRect(hWnd);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

RECT RectRelativeTo(HWND hWnd, HWND origin) {
    RECT rc = ScreenRect(hWnd);
    const RECT o = ScreenRect(origin);
    OffsetRect(&rc, -o.left, -o.top);
    return rc;
}

std::string Utf8(const std::wstring& text) {
    return ToUtf8(text);
}

} // namespace e2e
