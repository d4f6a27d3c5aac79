// Where the feedback libraries of the build tree are, and small fixtures around them.
#pragma once

#include "support/TestSupport.h"

#include <windows.h>

#include <string>
#include <vector>

namespace feedbacktest {

// Folders holding a TarselFeedbackInformation.dll.
inline std::wstring ShippedFolder() {
    return testsupport::BuildFile(L"feedback-service");
}
inline std::wstring RecordingFolder() {
    return testsupport::BuildFile(L"feedback-service\\recording");
}
inline std::wstring PartialFolder() {
    return testsupport::BuildFile(L"tests\\feedback\\partial");
}

// A folder of its own holding a copy of a library and, when given, its settings file. Tests
// that change settings use this so they never touch the build tree.
class LibraryCopy {
  public:
    explicit LibraryCopy(const std::wstring& fromFolder) {
        CopyFileW((fromFolder + L"\\TarselFeedbackInformation.dll").c_str(), Library().c_str(),
                  FALSE);
    }
    const std::wstring& Folder() const { return m_dir.Path(); }
    std::wstring Library() const { return m_dir / L"TarselFeedbackInformation.dll"; }
    std::wstring Ini() const { return m_dir / L"TarselFeedbackInformation.ini"; }
    // Through the profile API, so the value is seen at once by the library in this process.
    void Set(const wchar_t* section, const wchar_t* key, const wchar_t* value) const {
        WritePrivateProfileStringW(section, key, value, Ini().c_str());
    }

  private:
    testsupport::TempDir m_dir;
};

// Points the recording library at a fresh record file for the life of the object.
class CallRecord {
  public:
    CallRecord() : m_env(L"MSDT_FEEDBACK_RECORD", m_dir / L"calls.txt") {}
    std::wstring Path() const { return m_dir / L"calls.txt"; }
    std::vector<std::string> Lines() const { return testsupport::ReadLines(Path()); }
    void Clear() const { DeleteFileW(Path().c_str()); }

  private:
    testsupport::TempDir m_dir;
    testsupport::ScopedEnv m_env;
};

} // namespace feedbacktest
