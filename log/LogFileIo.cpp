#include "log/LogFileIo.h"

#include "log/LogRecord.h"

bool LogFileHandle::Open(const std::wstring& path) {
    Close();
    // Append-only access: every write lands at the current end of the file, even when another
    // process appended to it since we opened it.
    m_handle = CreateFileW(path.c_str(), GENERIC_READ | FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void LogFileHandle::Close() {
    if (!IsOpen())
        return;
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

bool LogFileHandle::Append(const std::string& bytes) {
    if (!IsOpen())
        return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(bytes.size());
    return WriteFile(m_handle, bytes.data(), size, &written, nullptr) && written == size;
}

unsigned long long LogFileHandle::Length() const {
    LARGE_INTEGER size = {};
    if (!IsOpen() || !GetFileSizeEx(m_handle, &size))
        return 0;
    return static_cast<unsigned long long>(size.QuadPart);
}

bool MoveLogFileToBackup(const std::wstring& path) {
    return MoveFileExW(path.c_str(), LogBackupPath(path).c_str(), MOVEFILE_REPLACE_EXISTING) !=
           FALSE;
}
