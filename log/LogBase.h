// What every log writer offers: records appended to files in one log folder.
#pragma once

#include "log/LogRecord.h"
#include "log/PacketLog.h"

#include <string>

class CLogBase {
  public:
    // strLogPath: the log folder, ending in a backslash.
    explicit CLogBase(const std::wstring& strLogPath);
    virtual ~CLogBase() = default;
    CLogBase(const CLogBase&) = delete;
    CLogBase& operator=(const CLogBase&) = delete;

    // Appends one record with the packet's text to the packet's file. Never reports failure.
    virtual void WritePacket(const CPacketLog& packet) = 0;
    // Appends one record whose text is the bytes in hex ("01 AB "); a count of 0 or less (or
    // no data) gives a record with the stamp only.
    virtual void WriteHex(const unsigned char* pData, int nLength, std::string strFileName);
    // Appends one record with the text, code page 936, to the file in the log folder.
    virtual void WriteText(std::string strText, std::string strFileName);

    // Seam for tests that need a fixed time stamp.
    void SetClock(LogClock clock) { m_clock = std::move(clock); }

  protected:
    std::wstring m_strLogPath;
    LogClock m_clock;
};
