// _bstr_t: the reference-counted wide string in which every text of the interface travels.
// Copies share one immutable buffer; the share count is atomic, so constants shared by
// documents on different threads stay safe. A null string and an empty one are equal.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>

class _bstr_t {
  public:
    _bstr_t() noexcept = default;
    _bstr_t(const wchar_t* text);
    _bstr_t(const char* utf8);
    _bstr_t(const std::wstring& text);
    _bstr_t(std::wstring&& text);
    _bstr_t(std::wstring_view text);
    explicit _bstr_t(const std::string& utf8);
    _bstr_t(const _bstr_t& other) noexcept;
    _bstr_t(_bstr_t&& other) noexcept;
    ~_bstr_t();

    _bstr_t& operator=(const _bstr_t& other) noexcept;
    _bstr_t& operator=(_bstr_t&& other) noexcept;
    _bstr_t& operator=(const wchar_t* text);
    _bstr_t& operator=(const char* utf8);

    /// Number of wide characters.
    std::size_t length() const noexcept;
    bool empty() const noexcept { return length() == 0; }
    /// Never null: an empty string gives L"".
    const wchar_t* c_str() const noexcept;
    operator const wchar_t*() const noexcept { return c_str(); }
    std::wstring_view view() const noexcept { return {c_str(), length()}; }
    std::wstring wstr() const { return std::wstring(view()); }
    /// The text as UTF-8, for handing it to libxml2 or a terminal.
    std::string utf8() const;

    _bstr_t& operator+=(const _bstr_t& other);
    friend _bstr_t operator+(const _bstr_t& a, const _bstr_t& b);

    /// Compares as UTF-16 code units (the order in which the file's keys compare):
    /// characters beyond the Basic Multilingual Plane sort as their surrogate pairs.
    static int Compare(std::wstring_view a, std::wstring_view b) noexcept;

    friend bool operator==(const _bstr_t& a, const _bstr_t& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator!=(const _bstr_t& a, const _bstr_t& b) noexcept { return !(a == b); }
    friend bool operator<(const _bstr_t& a, const _bstr_t& b) noexcept {
        return Compare(a.view(), b.view()) < 0;
    }
    friend bool operator>(const _bstr_t& a, const _bstr_t& b) noexcept { return b < a; }
    friend bool operator<=(const _bstr_t& a, const _bstr_t& b) noexcept { return !(b < a); }
    friend bool operator>=(const _bstr_t& a, const _bstr_t& b) noexcept { return !(a < b); }
    friend bool operator==(const _bstr_t& a, const wchar_t* b) noexcept {
        return a.view() == std::wstring_view(b ? b : L"");
    }
    friend bool operator!=(const _bstr_t& a, const wchar_t* b) noexcept { return !(a == b); }

  private:
    struct Data;
    void Assign(std::wstring&& text);
    void Release() noexcept;
    Data* m_data = nullptr;  // null for the empty string
};

/// UTF-8 <-> wide conversions used wherever text crosses into libxml2 or the terminal.
/// Invalid UTF-8 bytes become U+FFFD; lone surrogates in wide text are written as U+FFFD.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
void AppendWideAsUtf8(std::string& out, std::wstring_view wide);
