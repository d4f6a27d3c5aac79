// The file operations both writers share: open for appending, append, length, move to backup.
#pragma once

#include <windows.h>

#include <string>

// An open log file; closed by the destructor.
class LogFileHandle {
  public:
    LogFileHandle() = default;
    ~LogFileHandle() { Close(); }
    LogFileHandle(const LogFileHandle&) = delete;
    LogFileHandle& operator=(const LogFileHandle&) = delete;

    // Opens or creates the file without truncating it, shared for reading and writing.
    bool Open(const std::wstring& path);
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Close();

    // Appends the bytes in one write; true when all of them reached the file.
    bool Append(const std::string& bytes);
    // The file's length in bytes, or 0 when it cannot be read.
    unsigned long long Length() const;

  private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// Moves the file to its backup name, replacing an older backup. False when the move failed,
// for example while another program holds the file without delete sharing.
bool MoveLogFileToBackup(const std::wstring& path);
