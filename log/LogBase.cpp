#include "log/LogBase.h"

CLogBase::CLogBase(const std::wstring& strLogPath)
    : m_strLogPath(strLogPath), m_clock(LocalTimeNow) {}

void CLogBase::WriteHex(const unsigned char* pData, int nLength, std::string strFileName) {
    CPacketLog packet;
    packet.SetText(FormatHexText(pData, nLength));
    packet.SetFileName(strFileName);
    WritePacket(packet);
}

void CLogBase::WriteText(std::string strText, std::string strFileName) {
    CPacketLog packet;
    packet.SetText(strText);
    packet.SetFileName(strFileName);
    WritePacket(packet);
}
