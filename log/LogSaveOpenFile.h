// The keep-open writer: one open file per file name for the life of the writer. Writes the
// same bytes as CLogSaveCloseFile.
#pragma once

#include "framework/CCriticalSection.h"
#include "log/LogBase.h"
#include "log/LogFileIo.h"

#include <cstdint>
#include <memory>
#include <vector>

class CLogSaveOpenFile : public CLogBase {
  public:
    // One log file, kept open between records; records to it are serialised by its own lock.
    class CLogFile {
      public:
        CLogFile(const std::wstring& strFilePath, std::uint32_t nMaxSize,
                 LogClock clock = LocalTimeNow);
        CLogFile(const CLogFile&) = delete;
        CLogFile& operator=(const CLogFile&) = delete;

        // False when the file could not be opened; the next Write tries again.
        bool Write(CPacketLog packet);
        // Closes the file and moves it to the backup name; the next Write starts a new file.
        void BackupFile();
        std::wstring GetFilePath() const { return m_strFilePath; }

      private:
        LogFileHandle m_file;
        std::wstring m_strFilePath;
        std::uint32_t m_nMaxSize;
        CCriticalSection m_cs;
        LogClock m_clock;
    };

    explicit CLogSaveOpenFile(const std::wstring& strLogPath) : CLogBase(strLogPath) {}

    void WritePacket(const CPacketLog& packet) override;

    // The entry for the log folder plus strFileName, added on first use. Exact, case-sensitive
    // match of the full path. The writer keeps ownership: the pointer is borrowed.
    CLogFile* FindLogFile(const std::wstring& strFileName);

  private:
    // Guards m_arrLogFile: two threads asking for a new name at once get one entry.
    CCriticalSection m_csFiles;
    // In order of first use; never shrinks while the writer lives.
    std::vector<std::unique_ptr<CLogFile>> m_arrLogFile;
};
