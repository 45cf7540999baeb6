// _com_error: the exception with which the XML engine reports a failing call.
// It carries the status code and a description of what went wrong.
#pragma once

#include <exception>
#include <string>

#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/status.h"

/// A failure status raised as an exception, with an optional description.
class VDXML_API _com_error : public std::exception {
  public:
    /// Keeps hr and description and builds the messages. Never throws: when memory runs out
    /// on the way, a message may stay empty and the status alone tells what failed.
    /// @param hr          the failure status
    /// @param description what went wrong, or empty to let the status speak for itself
    explicit _com_error(long hr, _bstr_t description = _bstr_t()) noexcept;
    /// The status carried.
    long Error() const noexcept { return m_hr; }
    /// The description given at construction; empty when none was given.
    _bstr_t Description() const { return m_description; }
    /// A readable message: the description; without one, a fixed text for the common
    /// statuses (E_OUTOFMEMORY "Out of memory", E_POINTER "Invalid pointer", ...) or
    /// "Error 0x" with the status in eight hex digits for any other.
    const wchar_t* ErrorMessage() const noexcept;
    /// The message as UTF-8.
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
