#include "log/LogSaveCloseFile.h"

#include "log/LogFileIo.h"

#include <mutex>

void CLogSaveCloseFile::WritePacket(const CPacketLog& packet) {
    std::lock_guard<CCriticalSection> lock(m_cs);
    const std::wstring path = m_strLogPath + WideFromGbk(packet.GetFileName());
    LogFileHandle file;
    if (!file.Open(path))
        return; // dropped; the next record tries again
    file.Append(FormatLogRecord(m_clock(), packet.GetText()));
    if (file.Length() > LOG_FILE_MAX_SIZE) {
        file.Close();
        // A failed move is tried again by every later record that finds the file too long.
        MoveLogFileToBackup(path);
    }
}
