// CLogSave: the process's one log front end. Built at the first GetInstance call, which callers
// make only when they have a message, so a run that logs nothing touches no file or folder.
#pragma once

#include "log/LogBase.h"

#include <memory>
#include <string>

class CLogSave {
  public:
    // The process-wide instance, built on first use (also when two threads ask at once).
    static CLogSave* GetInstance();

    // strRootPath: the folder that holds "ToolLog" and "logCfg.ini", ending in a backslash, or
    // empty when it is unknown. Creates the log folder if nothing of that name exists, reads the
    // print switch and creates the writer. GetInstance passes the common application data folder.
    explicit CLogSave(const std::wstring& strRootPath);
    virtual ~CLogSave() = default;
    CLogSave(const CLogSave&) = delete;
    CLogSave& operator=(const CLogSave&) = delete;

    // Forced messages are always written; others only when "print" in "logCfg.ini" is 1.
    // strMessage and strFileName are code page 936. Never reports whether the record was written.
    void WriteLog(std::string strMessage, std::string strFileName, bool bForce);

    // The common application data folder followed by a backslash, or "" when it is unknown.
    static std::wstring GetCommonAppDataPath();
    // The key's value with surrounding white space removed (at most 99 characters), or the
    // default when the file or key is missing.
    static std::wstring ReadConfigString(const std::wstring& strPath,
                                         const std::wstring& strSection, const std::wstring& strKey,
                                         const std::wstring& strDefault);

  private:
    bool m_bPrint;
    std::wstring m_strLogPath;
    std::unique_ptr<CLogBase> m_pLog;
};

// A configuration value read as a decimal integer: leading white space and one sign allowed,
// stops at the first non-digit, no digits give 0. Saturates instead of wrapping, so a long
// run of digits never comes out as a small number.
long ParseConfigInteger(const std::wstring& value);
