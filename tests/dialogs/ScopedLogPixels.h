// The screen's dots per inch for processes started while the object lives (Wine reads
// HKCU\Control Panel\Desktop LogPixels at each process start).
#pragma once

#include <windows.h>

namespace dlgtest {

class ScopedLogPixels {
  public:
    explicit ScopedLogPixels(DWORD dpi) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr);
        DWORD size = sizeof(m_old);
        m_had = ::RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&m_old), &size) == ERROR_SUCCESS;
        ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                         sizeof(dpi));
    }
    ~ScopedLogPixels() {
        if (m_had)
            ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&m_old), sizeof(m_old));
        else
            ::RegDeleteValueW(m_key, L"LogPixels");
        ::RegCloseKey(m_key);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

  private:
    HKEY m_key = nullptr;
    DWORD m_old = 0;
    bool m_had = false;
};

} // namespace dlgtest
