// Texts of enumerated values. An enumerated value is written as its number followed by its
// text as a comment; a code without a text makes the write fail after the number.
#pragma once

#include <cstddef>
#include <cstdint>

struct VdXmlEnumText {
    std::int64_t code;
    const wchar_t* text;
};

/// A view of a constant table of enumerated texts.
class VdXmlEnumTable {
  public:
    constexpr VdXmlEnumTable() = default;
    template <std::size_t N>
    constexpr VdXmlEnumTable(const VdXmlEnumText (&items)[N]) : m_items(items), m_count(N) {}
    /// The text of code, or null when the table has none.
    const wchar_t* Find(std::int64_t code) const {
        for (std::size_t i = 0; i < m_count; ++i)
            if (m_items[i].code == code) return m_items[i].text;
        return nullptr;
    }
    std::size_t size() const { return m_count; }
    const VdXmlEnumText* begin() const { return m_items; }
    const VdXmlEnumText* end() const { return m_items + m_count; }

  private:
    const VdXmlEnumText* m_items = nullptr;
    std::size_t m_count = 0;
};
