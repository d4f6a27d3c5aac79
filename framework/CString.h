// CString: a wide string value. Its characters live on the process heap, so a string filled
// by one module (the feedback service library) can be grown or freed by another (the tool):
// each module has its own C runtime heap, but they share the process heap.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <cstdarg>
#include <cwchar>
#include <limits>
#include <new>
#include <string>

template <class T> struct ProcessHeapAllocator {
    using value_type = T;
    ProcessHeapAllocator() = default;
    template <class U> ProcessHeapAllocator(const ProcessHeapAllocator<U>&) {}
    T* allocate(std::size_t n) {
        if (n > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_alloc();
        void* p = HeapAlloc(GetProcessHeap(), 0, n * sizeof(T));
        if (!p)
            throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) { HeapFree(GetProcessHeap(), 0, p); }
    template <class U> bool operator==(const ProcessHeapAllocator<U>&) const { return true; }
    template <class U> bool operator!=(const ProcessHeapAllocator<U>&) const { return false; }
};

class CString {
  public:
    using String =
        std::basic_string<wchar_t, std::char_traits<wchar_t>, ProcessHeapAllocator<wchar_t>>;

    CString() = default;
    CString(const wchar_t* text) : m_s(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_s(text, static_cast<size_t>(length)) {}
    CString(const std::wstring& text) : m_s(text.data(), text.size()) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    const wchar_t* GetString() const { return m_s.c_str(); }
    operator const wchar_t*() const { return m_s.c_str(); }
    std::wstring ToStd() const { return std::wstring(m_s.data(), m_s.size()); }

    wchar_t GetAt(int i) const { return m_s[static_cast<size_t>(i)]; }
    wchar_t operator[](int i) const { return GetAt(i); }

    CString& operator=(const wchar_t* text) {
        m_s = text ? text : L"";
        return *this;
    }
    CString& operator+=(const CString& other) {
        m_s += other.m_s;
        return *this;
    }
    CString& operator+=(const wchar_t* text) {
        if (text)
            m_s += text;
        return *this;
    }
    CString& operator+=(wchar_t c) {
        m_s += c;
        return *this;
    }
    friend CString operator+(CString a, const CString& b) { return a += b; }
    friend CString operator+(CString a, const wchar_t* b) { return a += b; }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_s == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }

    // Position of the first match at or after start, or -1.
    int Find(const wchar_t* sub, int start = 0) const {
        size_t pos = m_s.find(sub, static_cast<size_t>(start));
        return pos == String::npos ? -1 : static_cast<int>(pos);
    }
    int Find(wchar_t c, int start = 0) const {
        size_t pos = m_s.find(c, static_cast<size_t>(start));
        return pos == String::npos ? -1 : static_cast<int>(pos);
    }
    int ReverseFind(wchar_t c) const {
        size_t pos = m_s.rfind(c);
        return pos == String::npos ? -1 : static_cast<int>(pos);
    }
    CString Left(int count) const { return FromRange(0, count); }
    CString Mid(int first) const { return FromRange(first, GetLength() - first); }
    CString Mid(int first, int count) const { return FromRange(first, count); }
    CString Right(int count) const { return FromRange(GetLength() - count, count); }

    void Format(const wchar_t* format, ...) {
        va_list args;
        va_start(args, format);
        FormatV(format, args);
        va_end(args);
    }
    void FormatV(const wchar_t* format, va_list args) {
        va_list copy;
        va_copy(copy, args);
        int n = _vscwprintf(format, copy);
        va_end(copy);
        if (n < 0) {
            m_s.clear();
            return;
        }
        String out(static_cast<size_t>(n) + 1, L'\0');
        _vsnwprintf(&out[0], out.size(), format, args);
        out.resize(static_cast<size_t>(n));
        m_s.swap(out);
    }

    // A system string (BSTR) copy; the receiver frees it with SysFreeString.
    BSTR AllocSysString() const {
        return SysAllocStringLen(m_s.data(), static_cast<UINT>(m_s.size()));
    }

  private:
    CString FromRange(int first, int count) const {
        const int length = GetLength();
        if (first < 0) {
            count += first;
            first = 0;
        }
        if (first > length)
            first = length;
        if (count < 0)
            count = 0;
        if (count > length - first)
            count = length - first;
        return CString(m_s.data() + first, count);
    }

    String m_s;
};
