// Texts of enumerated values. An enumerated value is written as its number followed by its
// text as a comment; a code without a text makes the write fail after the number.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vdxml/export.h"

/// One enumerated value and its text.
struct VDXML_API VdXmlEnumText {
    std::int64_t code;    ///< the value as written
    const wchar_t* text;  ///< its text, written as a comment after the value
};

/// A view of a constant table of enumerated texts; the table is not copied and must outlive
/// the view (the library's tables are static).
class VDXML_API VdXmlEnumTable {
  public:
    /// An empty table: Find answers null for every code.
    constexpr VdXmlEnumTable() = default;
    /// A view of the array items.
    template <std::size_t N>
    constexpr VdXmlEnumTable(const VdXmlEnumText (&items)[N]) : m_items(items), m_count(N) {}
    /// The text of code (the first row with that code), or null when the table has none.
    /// Codes compare as 64-bit numbers: an unsigned code and the signed value of the same
    /// bits (0xFFFFFFFF and -1) are different codes.
    const wchar_t* Find(std::int64_t code) const {
        for (std::size_t i = 0; i < m_count; ++i)
            if (m_items[i].code == code) return m_items[i].text;
        return nullptr;
    }
    /// The number of rows.
    std::size_t size() const { return m_count; }
    /// The rows in table order, for range-for.
    const VdXmlEnumText* begin() const { return m_items; }
    /// Past the last row.
    const VdXmlEnumText* end() const { return m_items + m_count; }

  private:
    const VdXmlEnumText* m_items = nullptr;
    std::size_t m_count = 0;
};
