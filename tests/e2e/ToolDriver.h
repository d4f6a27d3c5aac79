// Runs the real tool as a person would: from a folder of its own with a feedback library beside
// it, found by its window title, read through its controls and driven with real mouse input.
// Also keeps the prefix's shared state (tool log, registry values) as it was around each test.
#pragma once

#include "support/GuiDriver.h"
#include "support/TestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// Which feedback library lies beside the tool.
enum class Library {
    Recording, // our library, test build: records every call
    Missing,   // none at all
    Partial,   // lacks CustomerFeedbackEx
    Refusing,  // has every export, but its initialisation fails
};

// A registry value set for the duration of a test and restored (or deleted) afterwards.
class ScopedRegistryValue {
  public:
    ScopedRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value);
    ScopedRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name,
                        const std::wstring& value);
    // Deletes the value for the duration.
    ScopedRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name);
    ~ScopedRegistryValue();
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

  private:
    void Save();
    HKEY m_key = nullptr;
    std::wstring m_name;
    bool m_had = false;
    DWORD m_type = 0;
    std::vector<BYTE> m_old;
};

// The prefix's tool log folder (common application data\ToolLog), put aside while a test runs.
class ScopedToolLog {
  public:
    ScopedToolLog();
    ~ScopedToolLog();
    ScopedToolLog(const ScopedToolLog&) = delete;
    ScopedToolLog& operator=(const ScopedToolLog&) = delete;

    bool FolderExists() const;
    // The messages of the records written meanwhile, in code page 936.
    std::vector<std::string> Messages() const;

  private:
    std::wstring m_folder, m_aside;
};

// A folder holding a copy of the tool and, as asked, a feedback library.
class ToolCopy {
  public:
    // folderName: the folder's own name inside a fresh temporary folder.
    explicit ToolCopy(Library library = Library::Recording,
                      const std::wstring& folderName = L"ModernStandbyDetectionTool");
    const std::wstring& Folder() const { return m_folder; }
    std::wstring Exe() const { return m_folder + L"\\ModernStandbyDetectionTool.exe"; }
    std::wstring LibraryPath() const { return m_folder + L"\\TarselFeedbackInformation.dll"; }
    // Makes the library answer that a newer version exists.
    void OfferNewerVersion() const;

  private:
    testsupport::TempDir m_root;
    std::wstring m_folder;
};

// One run of the tool, with the library's calls recorded to a file of the test's own.
class RunningTool {
  public:
    explicit RunningTool(const ToolCopy& copy);
    ~RunningTool();

    DWORD Id() const { return m_process.Id(); }
    int WaitExit(DWORD timeoutMs = 20000) { return m_process.WaitExit(timeoutMs); }
    bool Running() const { return m_process.Running(); }

    // Waits for the host and its control layer; false when they did not appear.
    bool WaitForMainWindow(DWORD timeoutMs = 20000);
    HWND Host() const { return m_host; }
    HWND Layer() const { return m_layer; }
    HWND Control(int id) const { return GetDlgItem(m_layer, id); }

    // The library's calls so far, one "name\targ..." line each (UTF-8).
    std::vector<std::string> Calls() const;
    // Whether a call with this name (and these leading arguments) was recorded.
    bool Called(const std::string& line) const;
    bool WaitForCall(const std::string& line, DWORD timeoutMs = 10000) const;

  private:
    std::wstring m_record;
    std::unique_ptr<testsupport::ScopedEnv> m_recordEnv;
    testsupport::ChildProcess m_process;
    HWND m_host = nullptr;
    HWND m_layer = nullptr;
};

// A visible top-level window of the process that holds a control with this id (the control
// layer of a dialog), or null.
HWND FindLayerWithControl(DWORD processId, int controlId);
HWND WaitForLayerWithControl(DWORD processId, int controlId, DWORD timeoutMs = 20000);
// Waits until no visible window of the process holds the control.
bool WaitForLayerGone(DWORD processId, int controlId, DWORD timeoutMs = 20000);

// The message prompt's layer and its text.
HWND WaitForMessagePrompt(DWORD processId, DWORD timeoutMs = 20000);
std::wstring PromptText(HWND promptLayer);
// Clicks the prompt's confirm button and waits until the prompt is gone.
bool ConfirmPrompt(DWORD processId, HWND promptLayer);

// Clicks a point once the window there is target or one of its children: a window shown a
// moment ago may not yet lie on top. False when it never did.
bool ClickOn(HWND target, POINT screenPoint);
bool ClickControl(HWND control);
// Presses the left button at from, moves to to in steps and releases it there.
void Drag(POINT from, POINT to);

// A point inside a window, relative to its top-left corner on the screen.
POINT PointIn(HWND hWnd, int dx, int dy);
POINT Center(HWND hWnd);
// The window's rectangle relative to another window's top-left corner.
RECT RectRelativeTo(HWND hWnd, HWND origin);

// Wide text as UTF-8, for comparing with recorded calls.
std::string Utf8(const std::wstring& text);

} // namespace e2e
