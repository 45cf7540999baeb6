// Plain records: the record base with its type code and omitted mark, the unset marker for
// doubles, and the small records shared by many elements.
#pragma once

#include <cstdint>
#include <cstring>
#include <list>
#include <vector>

#include "vdxml/code_page.h"
#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/variant.h"

/// Record-type codes. Records are told apart by these codes alone, never by run-time type.
/// Codes marked "built by callers only" belong to records that no reader creates; they sit
/// beside the codes of the records they go with.
enum VDXML_TYPE : std::int32_t {
    VDXML_TYPE_NONE = 0,
    VDXML_TYPE_VERSION = 4,
    VDXML_TYPE_UNITS = 5,
    VDXML_TYPE_ROOT = 6,
    VDXML_TYPE_AVGLIMIT = 7,
    VDXML_TYPE_MODIFIEDGRID = 8,
    VDXML_TYPE_PROJECT = 9,
    VDXML_TYPE_ELLIPSOID = 10,
    VDXML_TYPE_PROJECTION = 11,
    VDXML_TYPE_GEOIDMODEL = 12,
    VDXML_TYPE_CSCSMODEL = 13,
    VDXML_TYPE_POINT = 14,
    VDXML_TYPE_QLTY = 15,
    VDXML_TYPE_CARTESIAN = 16,
    VDXML_TYPE_GEODETIC = 17,
    VDXML_TYPE_GRID = 18,
    VDXML_TYPE_COORD = 19,
    VDXML_TYPE_SD = 20,
    VDXML_TYPE_DCARTESIAN = 21,
    VDXML_TYPE_DGEODETIC = 22,
    VDXML_TYPE_DGRID = 23,
    VDXML_TYPE_DCOORD = 24,
    VDXML_TYPE_GPSBASELINE = 25,
    VDXML_TYPE_ANTENNA = 26,
    VDXML_TYPE_GPS_REFERENCE = 27,
    VDXML_TYPE_DOPS = 28,
    VDXML_TYPE_GPS_ROVER = 29,
    VDXML_TYPE_RESIDUAL_CARTESIAN = 33,
    VDXML_TYPE_RESIDUAL_GRID = 34,
    VDXML_TYPE_TRFRESIDUAL = 35,
    VDXML_TYPE_TRANSFORMATION = 42,
    VDXML_TYPE_COORDINATESYSTEM = 43,
    VDXML_TYPE_THEMATICAL_RANGELIST = 44,   ///< built by callers only
    VDXML_TYPE_THEMATICAL_CHOICELIST = 45,  ///< built by callers only
    VDXML_TYPE_THEMATICAL_ATTRIBUTE = 46,
    VDXML_TYPE_THEMATICAL_ATTRIBUTEDESCRIPTION = 47,  ///< built by callers only
    VDXML_TYPE_THEMATICAL_CODE = 48,
    VDXML_TYPE_THEMATICAL_CODEGROUP = 49,  ///< built by callers only
    VDXML_TYPE_THEMATICAL_CODELIST = 50,   ///< built by callers only
    VDXML_TYPE_TPS_REFLECTOR = 51,
    VDXML_TYPE_TPS_OBS_ACCURACY = 52,
    VDXML_TYPE_TPS_OBSSET = 53,
    VDXML_TYPE_TPS_INSTR_ACCURACY = 54,
    VDXML_TYPE_TPS_INSTRUMENT = 55,
    VDXML_TYPE_TPS_SETUP_DETAILS = 56,
    VDXML_TYPE_TPS_SETUP = 57,
    VDXML_TYPE_STAKEOUT_DESIGN = 58,  ///< built by callers only
    VDXML_TYPE_STAKEOUT_RESULT = 59,  ///< built by callers only
};

/// The base of every record: deletable through a base pointer, with its type code and the
/// omitted mark used by the record tree. A copy carries both along.
struct VDXML_API VDXML_BASE {
    virtual ~VDXML_BASE() = default;
    std::int32_t nType = VDXML_TYPE_NONE;  ///< the record-type code, set by the constructor
    bool bOmit = false;                    ///< left out when the record tree replays

  protected:
    /// A record of type code type, not omitted.
    explicit VDXML_BASE(std::int32_t type) : nType(type) {}
    VDXML_BASE(const VDXML_BASE&) = default;
    VDXML_BASE& operator=(const VDXML_BASE&) = default;
};

/// The marker of an unset double: 2147483647.0 (bit pattern 0x41DFFFFFFFC00000).
constexpr double VDXML_UNDEFINED = 2147483647.0;

/// True when value holds exactly the unset marker (both 32-bit halves compared, no tolerance).
inline bool VdXmlIsUndefined(double value) {
    std::uint64_t bits, marker;
    std::memcpy(&bits, &value, sizeof bits);
    const double m = VDXML_UNDEFINED;
    std::memcpy(&marker, &m, sizeof marker);
    return static_cast<std::uint32_t>(bits) == static_cast<std::uint32_t>(marker) &&
           static_cast<std::uint32_t>(bits >> 32) == static_cast<std::uint32_t>(marker >> 32);
}
/// True unless value holds exactly the unset marker (NaN counts as set).
inline bool VdXmlIsSet(double value) { return !VdXmlIsUndefined(value); }

/// One attribute: a name and a value written as the value's string form.
struct VDXML_API VDXML_ATTRIBUTE {
    _bstr_t Name;      ///< qualified name; an attribute without one is not written
    _variant_t Value;  ///< written as Value.ToString()
};
/// An attribute list, passed by pointer to the writers (null for none).
using VDXML_ATTRIBUTE_LIST = std::list<VDXML_ATTRIBUTE>;

/// A name with a free note; the name is required wherever an item name is written.
struct VDXML_API VDXML_ITEMNAME {
    _bstr_t Name;
    _bstr_t Note;
};

/// An error: Code 0 means none. Written when the code or the description is present.
struct VDXML_API VDXML_ERROR : VDXML_BASE {
    VDXML_ERROR() : VDXML_BASE(VDXML_TYPE_NONE) {}
    std::int32_t Code = 0;
    _bstr_t Description;
};

/// A warning, written like an error under "WarnCode"/"WarnDesc".
struct VDXML_API VDXML_WARNING : VDXML_BASE {
    VDXML_WARNING() : VDXML_BASE(VDXML_TYPE_NONE) {}
    std::int32_t Code = 0;
    _bstr_t Description;
};

/// A minimum and a maximum, in the unit of the value they bound.
struct VDXML_API VDXML_MINMAX {
    double Min = 0.0;
    double Max = 0.0;
};

/// A time span: start and end as Modified Julian Dates, span in days; each may be unset.
struct VDXML_API VDXML_TIMESPAN {
    double Start = VDXML_UNDEFINED;
    double End = VDXML_UNDEFINED;
    double Span = VDXML_UNDEFINED;
};
/// Time spans written one after the other (CVdXmlNode::InsertTimeSpan).
using VDXML_VEC_TIMESPAN = std::vector<VDXML_TIMESPAN>;

/// The format version; valid when Major is not 0.
struct VDXML_API VDXML_VERSION : VDXML_BASE {
    VDXML_VERSION() : VDXML_BASE(VDXML_TYPE_VERSION) {}
    std::uint8_t Major = 0;
    std::uint8_t Minor = 0;   ///< always written, also 0
    std::uint32_t Build = 0;  ///< written when not 0
};

/// The file's units; valid when at least one is not 0. A code of 0 is not written; any other
/// code needs a text (CVdXmlRoot::LinearUnitText and the like) or the document cannot start.
/// Linear: 1 metres, 2 US survey feet, 3 international feet. Angular: 1 radians.
/// TimeSystem: 1 local, 2 UTC, 3 GPS.
struct VDXML_API VDXML_UNITS : VDXML_BASE {
    VDXML_UNITS() : VDXML_BASE(VDXML_TYPE_UNITS) {}
    std::uint32_t Linear = 1;
    std::uint32_t Angular = 1;
    std::uint32_t TimeSystem = 1;
};

/// The file-level record: namespace, company, application, version, units and the DOM
/// selection settings. NamespaceURI, Company, Application and Version.Major are required.
struct VDXML_API VDXML_ROOT : VDXML_BASE {
    VDXML_ROOT() : VDXML_BASE(VDXML_TYPE_ROOT) {}
    _bstr_t NamespaceURI;  ///< the namespace of every element written
    _bstr_t Company;       ///< "Name" of the root element
    _bstr_t Application;   ///< "Name" of "Application"
    VDXML_VERSION Version;
    VDXML_UNITS Units;
    _bstr_t SourceDatasetLocation;  ///< where the data came from; written when not empty
    _bstr_t NamespacePrefix;        ///< prefix bound to NamespaceURI for DOM selections, or empty
    _bstr_t SelectionLanguage;      ///< DOM selection language ("XPath"), when set
    /// The code page every text of the document passes through on its way into the file:
    /// Windows-1252 unless set (see VDXML_CODEPAGE; VdXml::CodePageFromName reads a user's
    /// name for one). Each document keeps its own, so documents on different threads may
    /// use different pages. Writing only: reading leaves it as it is.
    VDXML_CODEPAGE CodePage = VDXML_CODEPAGE_1252;
};
