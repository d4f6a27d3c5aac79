// CCriticalSection: a Win32 critical section owned by one object. Lock and Unlock keep the
// names our code uses; lock and unlock let std::lock_guard release it on every path out.
#pragma once

#include <windows.h>

class CCriticalSection {
  public:
    CCriticalSection() { InitializeCriticalSection(&m_sect); }
    ~CCriticalSection() { DeleteCriticalSection(&m_sect); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    // Waits until this thread owns the section; the same thread may enter again.
    BOOL Lock() {
        EnterCriticalSection(&m_sect);
        return TRUE;
    }
    BOOL Unlock() {
        LeaveCriticalSection(&m_sect);
        return TRUE;
    }

    void lock() { Lock(); }
    void unlock() { Unlock(); }

  private:
    CRITICAL_SECTION m_sect;
};
