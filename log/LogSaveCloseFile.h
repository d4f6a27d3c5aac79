// The writer the tool uses: opens, appends and closes the file for every record, so nothing
// holds the file between records.
#pragma once

#include "framework/CCriticalSection.h"
#include "log/LogBase.h"

class CLogSaveCloseFile : public CLogBase {
  public:
    explicit CLogSaveCloseFile(const std::wstring& strLogPath) : CLogBase(strLogPath) {}

    void WritePacket(const CPacketLog& packet) override;

  private:
    // Held from before the open to after the move to the backup name.
    CCriticalSection m_cs;
};
