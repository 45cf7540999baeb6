#include "engine/xml_declaration.h"

namespace vdxml_engine {
namespace {

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

class Reader {
  public:
    explicit Reader(std::wstring_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }
    bool SkipSpace() {
        std::size_t start = m_pos;
        while (m_pos < m_text.size() && IsSpace(m_text[m_pos])) ++m_pos;
        return m_pos > start;
    }
    // name S? '=' S? quoted value; false (and nothing consumed) when the name differs.
    bool Pseudo(std::wstring_view name, std::string& value) {
        if (m_text.substr(m_pos, name.size()) != name) return false;
        std::size_t pos = m_pos + name.size();
        auto skip = [&] {
            while (pos < m_text.size() && IsSpace(m_text[pos])) ++pos;
        };
        skip();
        if (pos >= m_text.size() || m_text[pos] != L'=') return false;
        ++pos;
        skip();
        if (pos >= m_text.size() || (m_text[pos] != L'\'' && m_text[pos] != L'"')) return false;
        const wchar_t quote = m_text[pos++];
        const std::size_t end = m_text.find(quote, pos);
        if (end == std::wstring_view::npos) return false;
        value.clear();
        for (wchar_t c : m_text.substr(pos, end - pos)) {
            if (c > 0x7E || c < 0x20) return false;
            value.push_back(static_cast<char>(c));
        }
        m_pos = end + 1;
        return true;
    }

  private:
    std::wstring_view m_text;
    std::size_t m_pos = 0;
};

bool IsVersion(const std::string& v) {
    if (v.size() < 3 || v.compare(0, 2, "1.") != 0) return false;
    for (std::size_t i = 2; i < v.size(); ++i)
        if (!IsDigit(v[i])) return false;
    return true;
}

bool IsEncodingName(const std::string& e) {
    if (e.empty() || !IsAsciiLetter(e[0])) return false;
    for (char c : e)
        if (!IsAsciiLetter(c) && !IsDigit(c) && c != '.' && c != '_' && c != '-') return false;
    return true;
}

}  // namespace

std::optional<XmlDeclaration> ParseXmlDeclaration(std::wstring_view data) {
    Reader reader(data);
    XmlDeclaration result;
    reader.SkipSpace();
    if (!reader.Pseudo(L"version", result.version) || !IsVersion(result.version))
        return std::nullopt;
    bool separated = reader.SkipSpace();
    if (separated && reader.Pseudo(L"encoding", result.encoding)) {
        if (!IsEncodingName(result.encoding)) return std::nullopt;
        separated = reader.SkipSpace();
    }
    std::string standalone;
    if (separated && reader.Pseudo(L"standalone", standalone)) {
        if (standalone != "yes" && standalone != "no") return std::nullopt;
        result.standalone = standalone == "yes" ? 1 : 0;
        reader.SkipSpace();
    }
    if (!reader.AtEnd()) return std::nullopt;
    return result;
}

}  // namespace vdxml_engine
