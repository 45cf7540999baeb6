// The reading map: one row per wanted descendant, keyed by element name and nesting level,
// telling how its text becomes a value and where the value goes.
#pragma once

#include <cstdint>
#include <map>

#include "vdxml/platform/bstr.h"

struct VDXML_PARSE_NODEDATA {
    enum enmFormat : std::int32_t {
        fmtString = 1,    ///< _bstr_t, the text unchanged
        fmtDouble = 2,    ///< double, leading blanks skipped, partial parse, 0 for no number
        fmtInt = 3,       ///< 32-bit int, likewise
        fmtDateTime = 4,  ///< double MJD from "day.month.year hour:minute:second"
        fmtByte = 5,      ///< one byte: the low 8 bits of the integer
        fmtLong = 6,      ///< 32-bit integer
    };
    std::int32_t nLevel = 0;
    enmFormat format = fmtString;
    void* pData = nullptr;
    std::uint8_t* pFlags = nullptr;
    std::uint8_t flagMask = 0;
};

/// Rows keyed by name + level in decimal ("Name2"); keys compare as UTF-16 code units.
class VDXML_MAP_PARSE_NODEDATA : public std::map<_bstr_t, VDXML_PARSE_NODEDATA> {
  public:
    /// Adds a row; when the key exists already the first row stays and this one is dropped.
    void AddEntry(const _bstr_t& name, std::int32_t level, VDXML_PARSE_NODEDATA::enmFormat format,
                  void* pData, std::uint8_t* pFlags = nullptr, std::uint8_t flagMask = 0);
    /// The key of a row: the element name followed by its level in decimal.
    static _bstr_t MakeKey(const _bstr_t& name, std::int32_t level);

    std::int32_t m_nMaxLevel = 0;
};
