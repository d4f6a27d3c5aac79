// One log record on its way to a writer: the target file and the text, both code page 936.
#pragma once

#include <string>

class CObjectBase {
  public:
    virtual ~CObjectBase() = default;
};

class CPacketLog : public CObjectBase {
  public:
    CPacketLog() = default;

    // File name relative to the log folder.
    void SetFileName(const std::string& strFileName) { m_strFileName = strFileName; }
    std::string GetFileName() const { return m_strFileName; }
    void SetText(const std::string& strText) { m_strText = strText; }
    std::string GetText() const { return m_strText; }

  private:
    std::string m_strFileName;
    std::string m_strText;
};
