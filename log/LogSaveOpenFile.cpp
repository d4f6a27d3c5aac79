#include "log/LogSaveOpenFile.h"

#include <mutex>

CLogSaveOpenFile::CLogFile::CLogFile(const std::wstring& strFilePath, std::uint32_t nMaxSize,
                                     LogClock clock)
    : m_strFilePath(strFilePath), m_nMaxSize(nMaxSize), m_clock(std::move(clock)) {}

bool CLogSaveOpenFile::CLogFile::Write(CPacketLog packet) {
    std::lock_guard<CCriticalSection> lock(m_cs);
    if (!m_file.IsOpen() && !m_file.Open(m_strFilePath))
        return false;
    // One unbuffered write: the record is in the file before Write returns.
    m_file.Append(FormatLogRecord(m_clock(), packet.GetText()));
    if (m_file.Length() > m_nMaxSize)
        BackupFile();
    return true;
}

void CLogSaveOpenFile::CLogFile::BackupFile() {
    std::lock_guard<CCriticalSection> lock(m_cs);
    m_file.Close();
    MoveLogFileToBackup(m_strFilePath);
}

void CLogSaveOpenFile::WritePacket(const CPacketLog& packet) {
    if (CLogFile* file = FindLogFile(WideFromGbk(packet.GetFileName())))
        file->Write(packet);
}

CLogSaveOpenFile::CLogFile* CLogSaveOpenFile::FindLogFile(const std::wstring& strFileName) {
    const std::wstring path = m_strLogPath + strFileName;
    std::lock_guard<CCriticalSection> lock(m_csFiles);
    for (const std::unique_ptr<CLogFile>& file : m_arrLogFile)
        if (file->GetFilePath() == path)
            return file.get();
    m_arrLogFile.push_back(std::make_unique<CLogFile>(path, LOG_FILE_MAX_SIZE, m_clock));
    return m_arrLogFile.back().get();
}
