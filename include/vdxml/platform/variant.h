// _variant_t: a value of one of the kinds the library passes to and gets from the XML
// engine: empty, string, integer, double, bool, date (OLE Automation date) or interface.
#pragma once

#include <cstdint>

#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/com_ptr.h"

/// The kinds of value a variant holds.
enum VARENUM : std::uint16_t {
    VT_EMPTY = 0,     ///< no value
    VT_I4 = 3,        ///< a 32-bit integer (from int)
    VT_R8 = 5,        ///< a double
    VT_DATE = 7,      ///< an OLE Automation date: days since 30 December 1899
    VT_BSTR = 8,      ///< a string
    VT_BOOL = 11,     ///< true or false
    VT_UNKNOWN = 13,  ///< an interface pointer, with a reference held
    VT_I8 = 20,       ///< a 64-bit integer (from long)
};

/// One value of a kind given by vt(). Copies share strings and interfaces.
class VDXML_API _variant_t {
  public:
    /// An empty variant (VT_EMPTY).
    _variant_t() noexcept = default;
    /// A string (VT_BSTR).
    _variant_t(const _bstr_t& text) : m_type(VT_BSTR), m_text(text) {}
    /// A string (VT_BSTR); null gives the empty string.
    _variant_t(const wchar_t* text) : m_type(VT_BSTR), m_text(text) {}
    /// A string (VT_BSTR) from UTF-8 text.
    _variant_t(const char* utf8) : m_type(VT_BSTR), m_text(utf8) {}
    /// A 32-bit integer (VT_I4).
    _variant_t(int value) noexcept : m_type(VT_I4), m_int(value) {}
    /// A 64-bit integer (VT_I8).
    _variant_t(long value) noexcept : m_type(VT_I8), m_int(value) {}
    /// A double (VT_R8), or with type VT_DATE an OLE Automation date; any other type gives
    /// VT_R8.
    _variant_t(double value, VARENUM type = VT_R8) noexcept
        : m_type(type == VT_DATE ? VT_DATE : VT_R8), m_double(value) {}
    /// A truth value (VT_BOOL).
    _variant_t(bool value) noexcept : m_type(VT_BOOL), m_int(value ? 1 : 0) {}
    /// Holds an interface with a reference added (VT_UNKNOWN, also for null).
    _variant_t(IUnknown* object) : m_type(VT_UNKNOWN), m_object(object) {}

    /// The kind of value held.
    VARENUM vt() const noexcept { return m_type; }
    /// True for VT_EMPTY.
    bool IsEmpty() const noexcept { return m_type == VT_EMPTY; }
    /// Integers and bools (1 or 0) as they are; doubles and dates cut toward zero (0 for NaN
    /// and infinities); 0 for an empty variant, a string or an interface (a string is not
    /// parsed).
    long AsLong() const noexcept;
    /// Integers, bools, doubles and dates as numbers; 0 for an empty variant, a string or an
    /// interface (a string is not parsed).
    double AsDouble() const noexcept;
    /// The interface held (VT_UNKNOWN), else null; no reference is added.
    IUnknown* AsUnknown() const noexcept { return m_object.GetInterfacePtr(); }

    /// The string form: text as is, integers in decimal, doubles with 17 significant digits,
    /// bool as "true"/"false", a date as day.month.year hour:minute:second with the fraction
    /// of the second (for example "28.4.2006 12:05:07.25"), empty for an empty variant.
    /// An interface has no string form: raises _com_error(E_INVALIDARG); so does a date that
    /// FormatDate refuses.
    _bstr_t ToString() const;
    /// The string form; see ToString.
    operator _bstr_t() const { return ToString(); }

    /// The text of an OLE Automation date (days since 30 December 1899; before that day the
    /// time of day is the absolute value of the fraction) in the form described at ToString,
    /// with the second rounded to a ten-thousandth and trailing zeros of the fraction dropped.
    /// Raises _com_error(E_INVALIDARG) for NaN, infinities and |oleDate| >= 2958466 (from
    /// 1 January 10000 on, or as many days before the epoch); the last day of 9999 has its time
    /// of day, as every date a writer writes.
    static _bstr_t FormatDate(double oleDate);

  private:
    VARENUM m_type = VT_EMPTY;
    _bstr_t m_text;
    long m_int = 0;
    double m_double = 0.0;
    _com_ptr_t<IUnknown> m_object;
};
