// _com_error: the exception with which the XML engine reports a failing call.
// It carries the status code and a description of what went wrong.
#pragma once

#include <exception>
#include <string>

#include "vdxml/platform/bstr.h"
#include "vdxml/platform/status.h"

class _com_error : public std::exception {
  public:
    explicit _com_error(long hr, _bstr_t description = _bstr_t()) noexcept;
    long Error() const noexcept { return m_hr; }
    _bstr_t Description() const { return m_description; }
    /// A readable message: the description, or a text naming the status.
    const wchar_t* ErrorMessage() const noexcept;
    const char* what() const noexcept override { return m_what.c_str(); }

  private:
    long m_hr;
    _bstr_t m_description;
    std::wstring m_message;
    std::string m_what;
};

/// Throws _com_error(hr) when hr is a failure; used where engine calls must raise.
inline void _com_issue_error_if_failed(long hr) {
    if (hr < 0) throw _com_error(hr);
}
