// _variant_t: a value of one of the kinds the library passes to and gets from the XML
// engine: empty, string, integer, double, bool, date (OLE Automation date) or interface.
#pragma once

#include <cstdint>

#include "vdxml/platform/bstr.h"
#include "vdxml/platform/com_ptr.h"

enum VARENUM : std::uint16_t {
    VT_EMPTY = 0,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_BOOL = 11,
    VT_UNKNOWN = 13,
    VT_I8 = 20,
};

class _variant_t {
  public:
    _variant_t() noexcept = default;
    _variant_t(const _bstr_t& text) : m_type(VT_BSTR), m_text(text) {}
    _variant_t(const wchar_t* text) : m_type(VT_BSTR), m_text(text) {}
    _variant_t(const char* utf8) : m_type(VT_BSTR), m_text(utf8) {}
    _variant_t(int value) noexcept : m_type(VT_I4), m_int(value) {}
    _variant_t(long value) noexcept : m_type(VT_I8), m_int(value) {}
    _variant_t(double value, VARENUM type = VT_R8) noexcept
        : m_type(type == VT_DATE ? VT_DATE : VT_R8), m_double(value) {}
    _variant_t(bool value) noexcept : m_type(VT_BOOL), m_int(value ? 1 : 0) {}
    /// Holds an interface with a reference added.
    _variant_t(IUnknown* object) : m_type(VT_UNKNOWN), m_object(object) {}

    VARENUM vt() const noexcept { return m_type; }
    bool IsEmpty() const noexcept { return m_type == VT_EMPTY; }
    long AsLong() const noexcept;
    double AsDouble() const noexcept;
    IUnknown* AsUnknown() const noexcept { return m_object.GetInterfacePtr(); }

    /// The string form: text as is, numbers in decimal, bool as "true"/"false",
    /// a date as day.month.year hour:minute:second with the fraction of the second
    /// (for example "28.4.2006 12:05:07.25"), empty for an empty variant.
    /// An interface has no string form: raises _com_error(E_INVALIDARG).
    _bstr_t ToString() const;
    operator _bstr_t() const { return ToString(); }

    /// The text of an OLE Automation date (days since 30 December 1899; before that day the
    /// time of day is the absolute value of the fraction) in the form described at ToString.
    static _bstr_t FormatDate(double oleDate);

  private:
    VARENUM m_type = VT_EMPTY;
    _bstr_t m_text;
    long m_int = 0;
    double m_double = 0.0;
    _com_ptr_t<IUnknown> m_object;
};
