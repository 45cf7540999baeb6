// The reading map: one row per wanted descendant, keyed by element name and nesting level,
// telling how its text becomes a value and where the value goes.
#pragma once

#include <cstdint>
#include <map>

#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"

/// One row of a reading map: where a wanted descendant sits, how its text is converted and
/// where the value and its flag go.
struct VDXML_API VDXML_PARSE_NODEDATA {
    /// How a text becomes a value; pData must point to the type named.
    enum enmFormat : std::int32_t {
        fmtString = 1,    ///< _bstr_t, the text unchanged
        fmtDouble = 2,    ///< double: a plain decimal ("-12.345") exactly, anything else as
                          ///< wcstod reads it (leading blanks skipped, the number at the start
                          ///< taken, 0 for no number)
        fmtInt = 3,       ///< std::int32_t: leading blanks, a sign and the digits up to the first
                          ///< other character, 0 for no number; larger values wrap to 32 bits
        fmtDateTime = 4,  ///< double MJD from the date-time's string form "day.month.year
                          ///< hour:minute:second"; the second passes through a float (about
                          ///< seven digits), and fields the text lacks count as 0
        fmtByte = 5,      ///< std::uint8_t: the low 8 bits of the fmtInt value
        fmtLong = 6,      ///< std::int32_t, converted as fmtInt
    };
    /// The depth below the element read: 1 for its children, 2 for their children, ...
    std::int32_t nLevel = 0;
    /// The conversion of the text.
    enmFormat format = fmtString;
    /// Where the value goes; a row with a null destination makes the reading fail.
    void* pData = nullptr;
    /// Flags that record the value as read, or null for none.
    std::uint8_t* pFlags = nullptr;
    /// The bits set in *pFlags once the value was assigned.
    std::uint8_t flagMask = 0;
};

/// Rows keyed by name + level in decimal ("Name2"); keys compare as UTF-16 code units. A
/// name that ends in digits can meet another row's key ("Q1" at level 12 and "Q11" at level
/// 2 are both "Q112"); the first row added then wins.
class VDXML_API VDXML_MAP_PARSE_NODEDATA : public std::map<_bstr_t, VDXML_PARSE_NODEDATA> {
  public:
    /// Adds a row; when the key exists already the first row stays and this one is dropped.
    /// flagMask is kept only together with pFlags.
    /// @param name   the element name, compared as written (prefix included)
    /// @param level  the depth below the element read (1: its children)
    /// @param format the conversion of the text
    /// @param pData  the destination, of the type the format names
    /// @param pFlags the flags to mark when the value was read, or null
    void AddEntry(const _bstr_t& name, std::int32_t level, VDXML_PARSE_NODEDATA::enmFormat format,
                  void* pData, std::uint8_t* pFlags = nullptr, std::uint8_t flagMask = 0);
    /// The key of a row: the element name followed by its level in decimal.
    static _bstr_t MakeKey(const _bstr_t& name, std::int32_t level);

    /// The deepest level of any row: reading descends no further.
    std::int32_t m_nMaxLevel = 0;
};
