// Records of the thematic elements: code lists, code groups and codes that classify surveyed
// objects, and attributes with their descriptions (value type, kind, defaults, range and
// choices).
//
// Every record starts with an item name. Codes are 32-bit; a code outside its table has no
// text and makes the writer fail right after the code was written. Code lists, code groups,
// attribute descriptions and their range and choice lists are built by callers only: no
// reader fills them.
#pragma once

#include <cstdint>
#include <vector>

#include "vdxml/export.h"
#include "vdxml/records.h"

/// Geometry types of a code (VDXML_THEMATICAL_CODE::Type); 0 means none and is not written.
enum VDXML_THEMATICAL_GEOMETRY : std::uint32_t {
    VDXML_THEMATICAL_GEOMETRY_NONE = 0,
    VDXML_THEMATICAL_GEOMETRY_POINT = 1,
    VDXML_THEMATICAL_GEOMETRY_LINE = 2,
    VDXML_THEMATICAL_GEOMETRY_AREA = 3,
};

/// Value types of attributes and attribute descriptions, each with a text, 0 "Invalid"
/// included.
enum VDXML_THEMATICAL_VALUE_TYPE : std::uint32_t {
    VDXML_THEMATICAL_VALUE_INVALID = 0,
    VDXML_THEMATICAL_VALUE_LONG = 1,
    VDXML_THEMATICAL_VALUE_BOOL = 2,
    VDXML_THEMATICAL_VALUE_DOUBLE = 3,
    VDXML_THEMATICAL_VALUE_TEXT = 4,
    VDXML_THEMATICAL_VALUE_UNKNOWN = 5,
};

/// Kinds of attributes (VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION::Type); 0 has no text.
enum VDXML_THEMATICAL_ATTRIBUTE_KIND : std::uint32_t {
    VDXML_THEMATICAL_KIND_NORMAL = 1,
    VDXML_THEMATICAL_KIND_MANDATORY = 2,
    VDXML_THEMATICAL_KIND_FIXED = 3,
};

/// Types of a range (VDXML_THEMATICAL_RANGELIST::Type); 0 means no range.
enum VDXML_THEMATICAL_RANGE_TYPE : std::uint32_t {
    VDXML_THEMATICAL_RANGE_NONE = 0,
    VDXML_THEMATICAL_RANGE_LONG = 1,
    VDXML_THEMATICAL_RANGE_DOUBLE = 2,
};

/// A named list of codes; written with its item name when the name is not empty.
struct VDXML_API VDXML_THEMATICAL_CODELIST : VDXML_BASE {
    VDXML_THEMATICAL_CODELIST() : VDXML_BASE(VDXML_TYPE_THEMATICAL_CODELIST) {}
    VDXML_ITEMNAME ItemName;
};

/// A named group of codes; the name is required for writing.
struct VDXML_API VDXML_THEMATICAL_CODEGROUP : VDXML_BASE {
    VDXML_THEMATICAL_CODEGROUP() : VDXML_BASE(VDXML_TYPE_THEMATICAL_CODEGROUP) {}
    VDXML_ITEMNAME ItemName;
};

/// One code: name (required for writing), geometry type and description.
struct VDXML_API VDXML_THEMATICAL_CODE : VDXML_BASE {
    VDXML_THEMATICAL_CODE() : VDXML_BASE(VDXML_TYPE_THEMATICAL_CODE) {}
    VDXML_ITEMNAME ItemName;
    std::uint32_t Type = VDXML_THEMATICAL_GEOMETRY_NONE;
    _bstr_t CodeDesc;
};

/// One attribute value. Writing needs the name and flagAttribute. The value that counts is
/// the one of ValueType: LongValue for 1, DoubleValue for 3, TextValue for 4; other types
/// carry no value. Reading always puts the value's text into TextValue.
struct VDXML_API VDXML_THEMATICAL_ATTRIBUTE : VDXML_BASE {
    static constexpr std::uint8_t flagAttribute = 0x01;  ///< the attribute is given

    VDXML_THEMATICAL_ATTRIBUTE() : VDXML_BASE(VDXML_TYPE_THEMATICAL_ATTRIBUTE) {}
    VDXML_ITEMNAME ItemName;
    std::uint8_t Flags = 0;
    std::uint32_t ValueType = VDXML_THEMATICAL_VALUE_INVALID;
    std::int32_t LongValue = 0;
    double DoubleValue = 0.0;
    _bstr_t TextValue;
};

/// The range of an attribute's values: minimum and maximum (written with 5 decimals) and the
/// range's type, 0 for no range.
struct VDXML_API VDXML_THEMATICAL_RANGELIST : VDXML_BASE {
    VDXML_THEMATICAL_RANGELIST() : VDXML_BASE(VDXML_TYPE_THEMATICAL_RANGELIST) {}
    VDXML_MINMAX MinMax;
    std::uint32_t Type = VDXML_THEMATICAL_RANGE_NONE;
};

/// The values an attribute may take; written, texts first, then whole numbers, then numbers
/// with 3 decimals, when Type is not 0.
struct VDXML_API VDXML_THEMATICAL_CHOICELIST : VDXML_BASE {
    VDXML_THEMATICAL_CHOICELIST() : VDXML_BASE(VDXML_TYPE_THEMATICAL_CHOICELIST) {}
    std::uint32_t Type = 0;
    std::vector<std::int32_t> Longs;
    std::vector<double> Doubles;
    std::vector<_bstr_t> Texts;
};

/// The description of an attribute: value type and kind (both written with their texts), up
/// to three default values, a range and a choice list. Writing needs the name and a Flags
/// byte other than 0; flagDescription is the bit to use when no other one is set.
struct VDXML_API VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION : VDXML_BASE {
    static constexpr std::uint8_t flagDescription = 0x01;  ///< the description is given
    static constexpr std::uint8_t flagDefaultText = 0x02;
    static constexpr std::uint8_t flagDefaultLong = 0x04;
    static constexpr std::uint8_t flagDefaultDouble = 0x08;
    static constexpr std::uint8_t flagRange = 0x10;
    static constexpr std::uint8_t flagChoices = 0x20;

    VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION()
        : VDXML_BASE(VDXML_TYPE_THEMATICAL_ATTRIBUTEDESCRIPTION) {}
    VDXML_ITEMNAME ItemName;
    std::uint8_t Flags = 0;
    std::int32_t ValueType = VDXML_THEMATICAL_VALUE_INVALID;
    std::int32_t Type = 0;  ///< a VDXML_THEMATICAL_ATTRIBUTE_KIND
    std::int32_t DefaultLong = 0;
    double DefaultDouble = 0.0;
    _bstr_t DefaultText;
    VDXML_THEMATICAL_RANGELIST Range;
    VDXML_THEMATICAL_CHOICELIST Choices;
};
