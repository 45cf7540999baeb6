// _bstr_t: the reference-counted wide string in which every text of the interface travels.
// Copies share one immutable buffer; the share count is atomic, so constants shared by
// documents on different threads stay safe. A null string and an empty one are equal.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "vdxml/export.h"

/// An immutable wide string shared by reference. Constructors and operators that build a new
/// text raise _com_error(E_OUTOFMEMORY) when memory runs out; copying never allocates.
class VDXML_API _bstr_t {
  public:
    /// The empty string (no buffer).
    _bstr_t() noexcept = default;
    /// A copy of text up to its terminating zero; null gives the empty string.
    _bstr_t(const wchar_t* text);
    /// UTF-8 text up to its terminating zero, converted as Utf8ToWide; null gives the empty
    /// string.
    _bstr_t(const char* utf8);
    /// A copy of text (embedded zeros included).
    _bstr_t(const std::wstring& text);
    /// A copy of text; the string's own buffer is not taken over.
    _bstr_t(std::wstring&& text);
    /// A copy of text (embedded zeros included).
    _bstr_t(std::wstring_view text);
    /// UTF-8 text converted as Utf8ToWide.
    explicit _bstr_t(const std::string& utf8);
    /// Shares other's buffer.
    _bstr_t(const _bstr_t& other) noexcept : m_data(other.m_data) {
        if (m_data) m_data->refs.fetch_add(1, std::memory_order_relaxed);
    }
    /// Takes over other's buffer; other becomes empty.
    _bstr_t(_bstr_t&& other) noexcept : m_data(other.m_data) { other.m_data = nullptr; }
    /// Drops this string's share; the last share frees the buffer.
    ~_bstr_t() { Release(); }

    /// Shares other's buffer.
    _bstr_t& operator=(const _bstr_t& other) noexcept;
    /// Takes over other's buffer; other becomes empty.
    _bstr_t& operator=(_bstr_t&& other) noexcept;
    /// A copy of text, as the constructor; null gives the empty string.
    _bstr_t& operator=(const wchar_t* text);
    /// UTF-8 text, as the constructor; null gives the empty string.
    _bstr_t& operator=(const char* utf8);

    /// Number of wide characters.
    std::size_t length() const noexcept { return m_data ? m_data->length : 0; }
    /// True for a null or empty string.
    bool empty() const noexcept { return length() == 0; }
    /// Never null: an empty string gives L"".
    const wchar_t* c_str() const noexcept { return m_data ? m_data->Text() : L""; }
    /// The same as c_str(), for calls that take a plain wide string.
    operator const wchar_t*() const noexcept { return c_str(); }
    /// The characters without the terminating zero, valid while this string lives.
    std::wstring_view view() const noexcept { return {c_str(), length()}; }
    /// A copy of the characters.
    std::wstring wstr() const { return std::wstring(view()); }
    /// The text as UTF-8, for handing it to libxml2 or a terminal.
    std::string utf8() const;

    /// Appends other: a new buffer holds both (other empty: nothing changes; this empty: the
    /// string shares other's buffer).
    _bstr_t& operator+=(const _bstr_t& other);
    /// a followed by b.
    friend VDXML_API _bstr_t operator+(const _bstr_t& a, const _bstr_t& b);

    /// Compares as UTF-16 code units (the order in which the file's keys compare):
    /// characters beyond the Basic Multilingual Plane sort as their surrogate pairs.
    /// @return a negative number, 0 or a positive number as a sorts before, with or after b
    static int Compare(std::wstring_view a, std::wstring_view b) noexcept;

    /// Equal characters; a null and an empty string are equal.
    friend bool operator==(const _bstr_t& a, const _bstr_t& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator!=(const _bstr_t& a, const _bstr_t& b) noexcept { return !(a == b); }
    /// The order of Compare: UTF-16 code units, a shorter prefix first.
    friend bool operator<(const _bstr_t& a, const _bstr_t& b) noexcept {
        // Map keys are compared all the time: the common prefix is skipped here, and only
        // characters beyond U+D7FF need Compare's care for surrogate pairs.
        const std::wstring_view x = a.view(), y = b.view();
        const std::size_t n = x.size() < y.size() ? x.size() : y.size();
        std::size_t i = 0;
        while (i < n && x[i] == y[i]) ++i;
        if (i == n) return x.size() < y.size();
        const auto cx = static_cast<std::uint32_t>(x[i]), cy = static_cast<std::uint32_t>(y[i]);
        if (cx < 0xD800 && cy < 0xD800) return cx < cy;
        return Compare(x.substr(i), y.substr(i)) < 0;
    }
    friend bool operator>(const _bstr_t& a, const _bstr_t& b) noexcept { return b < a; }
    friend bool operator<=(const _bstr_t& a, const _bstr_t& b) noexcept { return !(b < a); }
    friend bool operator>=(const _bstr_t& a, const _bstr_t& b) noexcept { return !(a < b); }
    /// Compares with a zero-terminated text; null counts as the empty string.
    friend bool operator==(const _bstr_t& a, const wchar_t* b) noexcept {
        return a.view() == std::wstring_view(b ? b : L"");
    }
    friend bool operator!=(const _bstr_t& a, const wchar_t* b) noexcept { return !(a == b); }

  private:
    // One allocation per text: the share count and the length, followed by the characters
    // and a terminating zero.
    struct Data {
        std::atomic<int> refs;
        std::size_t length;
        wchar_t* Text() noexcept { return reinterpret_cast<wchar_t*>(this + 1); }
        const wchar_t* Text() const noexcept { return reinterpret_cast<const wchar_t*>(this + 1); }
    };
    /// A buffer for length characters (and the zero), not yet filled; raises E_OUTOFMEMORY.
    static Data* Allocate(std::size_t length);
    static void Free(Data* data) noexcept;
    void Assign(std::wstring_view text);
    void AssignUtf8(std::string_view utf8);
    void Adopt(Data* data) noexcept {
        Release();
        m_data = data;
    }
    void Release() noexcept {
        if (m_data && m_data->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) Free(m_data);
        m_data = nullptr;
    }
    Data* m_data = nullptr;  // null for the empty string
};

/// UTF-8 <-> wide conversions used wherever text crosses into libxml2 or the terminal.
/// Utf8ToWide turns every byte that does not start a valid sequence (a stray continuation
/// byte, an overlong form, a surrogate, a code point beyond U+10FFFF, a sequence cut short)
/// into one U+FFFD and goes on with the next byte.
VDXML_API std::wstring Utf8ToWide(std::string_view utf8);
/// Wide text as UTF-8; lone surrogates and values beyond U+10FFFF are written as U+FFFD.
VDXML_API std::string WideToUtf8(std::wstring_view wide);
/// Appends wide as UTF-8 to out, converted as WideToUtf8.
VDXML_API void AppendWideAsUtf8(std::string& out, std::wstring_view wide);
