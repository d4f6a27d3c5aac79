// Small helpers shared by the tests: temporary folders, files, environment, processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// A fresh folder under %TEMP%, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

  private:
    std::wstring m_path;
};

// Sets an environment variable for this process (and children started after) and restores
// the earlier value when the object goes.
class ScopedEnv {
  public:
    ScopedEnv(const std::wstring& name, const std::wstring& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::wstring m_name;
    std::wstring m_old;
    bool m_had;
};

bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
void RemoveTree(const std::wstring& path);

// Folder of this test program (build tree), without trailing backslash.
std::wstring ExeDir();
// A program of the build tree, by path relative to the build folder.
std::wstring BuildFile(const std::wstring& relative);

// UTF-8 <-> UTF-16 and code page 936 <-> UTF-16, for fixtures and logs.
std::wstring FromUtf8(const std::string& s);
std::string ToUtf8(const std::wstring& s);
std::string ToGbk(const std::wstring& s);
std::wstring FromGbk(const std::string& s);

// Starts a program and waits for it (bounded). Returns its exit code, or -1.
int RunProcess(const std::wstring& exe, const std::wstring& args, const std::wstring& cwd,
               DWORD timeoutMs = 60000);

// Lines of a text file (CR LF or LF separated, empty trailing line dropped).
std::vector<std::string> ReadLines(const std::wstring& path);

} // namespace testsupport
