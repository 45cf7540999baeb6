#include "vdxml/platform/bstr.h"

#include <cwchar>
#include <new>

#include "vdxml/platform/com_error.h"

namespace {
[[noreturn]] void ThrowOutOfMemory() { throw _com_error(E_OUTOFMEMORY); }

// First UTF-16 code unit of a code point, and whether a second unit follows.
inline unsigned LeadUnit(wchar_t c, bool& pair) {
    const auto cp = static_cast<std::uint32_t>(c);
    pair = cp >= 0x10000 && cp <= 0x10FFFF;
    return pair ? 0xD800u + ((cp - 0x10000u) >> 10) : cp;
}
inline unsigned TrailUnit(wchar_t c) {
    return 0xDC00u + ((static_cast<std::uint32_t>(c) - 0x10000u) & 0x3FFu);
}

// The length of the leading run of ASCII characters.
template <class Char>
std::size_t AsciiPrefix(std::basic_string_view<Char> text) {
    std::size_t n = 0;
    while (n < text.size() && static_cast<std::uint32_t>(text[n]) < 0x80) ++n;
    return n;
}
}  // namespace

_bstr_t::Data* _bstr_t::Allocate(std::size_t length) {
    if (length > (static_cast<std::size_t>(-1) - sizeof(Data)) / sizeof(wchar_t) - 1)
        ThrowOutOfMemory();
    void* memory = ::operator new(sizeof(Data) + (length + 1) * sizeof(wchar_t), std::nothrow);
    if (!memory) ThrowOutOfMemory();
    Data* data = new (memory) Data{{1}, length};
    data->Text()[length] = L'\0';
    return data;
}

void _bstr_t::Free(Data* data) noexcept {
    data->~Data();
    ::operator delete(data);
}

void _bstr_t::Assign(std::wstring_view text) {
    if (text.empty()) return Release();
    Data* data = Allocate(text.size());
    std::wmemcpy(data->Text(), text.data(), text.size());
    Adopt(data);
}

void _bstr_t::AssignUtf8(std::string_view utf8) {
    if (AsciiPrefix(utf8) != utf8.size()) return Assign(Utf8ToWide(utf8));
    if (utf8.empty()) return Release();
    Data* data = Allocate(utf8.size());
    wchar_t* out = data->Text();
    for (char c : utf8) *out++ = static_cast<wchar_t>(c);
    Adopt(data);
}

_bstr_t::_bstr_t(const wchar_t* text) {
    if (text) Assign(std::wstring_view(text));
}
_bstr_t::_bstr_t(const char* utf8) {
    if (utf8) AssignUtf8(utf8);
}
_bstr_t::_bstr_t(const std::wstring& text) { Assign(text); }
_bstr_t::_bstr_t(std::wstring&& text) { Assign(text); }
_bstr_t::_bstr_t(std::wstring_view text) { Assign(text); }
_bstr_t::_bstr_t(const std::string& utf8) { AssignUtf8(utf8); }

_bstr_t& _bstr_t::operator=(const _bstr_t& other) noexcept {
    if (m_data != other.m_data) {
        if (other.m_data) other.m_data->refs.fetch_add(1, std::memory_order_relaxed);
        Adopt(other.m_data);
    }
    return *this;
}
_bstr_t& _bstr_t::operator=(_bstr_t&& other) noexcept {
    if (this != &other) {
        Adopt(other.m_data);
        other.m_data = nullptr;
    }
    return *this;
}
_bstr_t& _bstr_t::operator=(const wchar_t* text) { return *this = _bstr_t(text); }
_bstr_t& _bstr_t::operator=(const char* utf8) { return *this = _bstr_t(utf8); }

std::string _bstr_t::utf8() const { return WideToUtf8(view()); }

_bstr_t& _bstr_t::operator+=(const _bstr_t& other) {
    if (other.empty()) return *this;
    if (empty()) return *this = other;
    Data* joined = Allocate(length() + other.length());
    std::wmemcpy(joined->Text(), c_str(), length());
    std::wmemcpy(joined->Text() + length(), other.c_str(), other.length());
    Adopt(joined);
    return *this;
}

_bstr_t operator+(const _bstr_t& a, const _bstr_t& b) {
    _bstr_t result(a);
    result += b;
    return result;
}

int _bstr_t::Compare(std::wstring_view a, std::wstring_view b) noexcept {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        bool pairA = false, pairB = false;
        const unsigned ua = LeadUnit(a[i], pairA), ub = LeadUnit(b[i], pairB);
        if (ua != ub) return ua < ub ? -1 : 1;
        // Same lead surrogate: the trail units decide.
        const unsigned ta = TrailUnit(a[i]), tb = TrailUnit(b[i]);
        return ta < tb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::wstring Utf8ToWide(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    std::size_t i = AsciiPrefix(s);
    out.assign(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(i));
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out.push_back(static_cast<wchar_t>(c));
            ++i;
            continue;
        }
        int extra = 0;
        std::uint32_t cp = 0, min = 0;
        if ((c & 0xE0) == 0xC0)
            extra = 1, cp = c & 0x1F, min = 0x80;
        else if ((c & 0xF0) == 0xE0)
            extra = 2, cp = c & 0x0F, min = 0x800;
        else if ((c & 0xF8) == 0xF0)
            extra = 3, cp = c & 0x07, min = 0x10000;
        else {
            out.push_back(L'\xFFFD');
            ++i;
            continue;
        }
        if (i + extra >= s.size()) {  // sequence cut short by the end of the text
            out.push_back(L'\xFFFD');
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(L'\xFFFD');
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(cp));
        i += extra + 1;
    }
    return out;
}

void AppendWideAsUtf8(std::string& out, std::wstring_view wide) {
    // The leading ASCII run is narrowed through a small buffer and appended in pieces.
    const std::size_t ascii = AsciiPrefix(wide);
    char chunk[256];
    for (std::size_t done = 0; done < ascii;) {
        const std::size_t n = ascii - done < sizeof chunk ? ascii - done : sizeof chunk;
        for (std::size_t i = 0; i < n; ++i) chunk[i] = static_cast<char>(wide[done + i]);
        out.append(chunk, n);
        done += n;
    }
    for (wchar_t wc : wide.substr(ascii)) {
        auto cp = static_cast<std::uint32_t>(wc);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        }
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string WideToUtf8(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    AppendWideAsUtf8(out, wide);
    return out;
}
