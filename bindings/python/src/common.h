// What every part of the Python module shares: the conversion of the library's wide strings
// to and from Python text, file paths, and the exception that carries a failing status to
// Python (translated into vdxml.Error and its subclasses by errors.cpp).
#pragma once

#include <pybind11/pybind11.h>
#include <vdxml/vdxml.h>

#include <stdexcept>
#include <string>

namespace py = pybind11;

namespace pybind11::detail {
/// _bstr_t <-> str. Python text becomes UTF-8 first, which the string takes as it is.
template <>
struct type_caster<_bstr_t> {
    PYBIND11_TYPE_CASTER(_bstr_t, const_name("str"));
    bool load(handle src, bool) {
        if (!src || !PyUnicode_Check(src.ptr())) return false;
        Py_ssize_t size = 0;
        const char* utf8 = PyUnicode_AsUTF8AndSize(src.ptr(), &size);
        if (!utf8) {
            PyErr_Clear();
            return false;
        }
        value = _bstr_t(std::string(utf8, static_cast<std::size_t>(size)));
        return true;
    }
    static handle cast(const _bstr_t& text, return_value_policy, handle) {
        const std::string utf8 = text.utf8();
        return PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), "replace");
    }
};
}  // namespace pybind11::detail

namespace vdxml_py {

/// Which Python exception a failure becomes.
enum class ErrorKind { General, FileNotFound, Malformed, InvalidArgument };

/// A failure of the library (its status) or of the caller's input, on its way to Python.
class StatusError : public std::runtime_error {
  public:
    StatusError(ErrorKind kind, long status, const std::string& message)
        : std::runtime_error(message), m_kind(kind), m_status(status) {}
    ErrorKind Kind() const { return m_kind; }
    long Status() const { return m_status; }

  private:
    ErrorKind m_kind;
    long m_status;
};

/// The status as the tool prints it: 0x80004005.
std::string StatusText(long status);
/// The exception kind a library status calls for: missing files, malformed XML, bad
/// arguments, anything else.
ErrorKind KindOfStatus(long status);
/// Throws StatusError(KindOfStatus(status)) with "what (0x........)" when status is a failure.
void Check(long status, const std::string& what);
/// Throws an InvalidArgument error with message.
[[noreturn]] void InvalidArgument(const std::string& message);

/// A path argument: str, bytes or os.PathLike, as the UTF-8 (file system) bytes the library
/// takes. Raises TypeError for anything else and InvalidArgument for an empty path.
std::string PathArg(const py::handle& path);

/// Registers the translation of StatusError into the Python exceptions of vdxml._errors.
void BindErrors(py::module_& m);
/// Registers every record class (records.cpp).
void BindRecords(py::module_& m);
/// Registers the reader (reader.cpp).
void BindReader(py::module_& m);
/// Registers the writer and its nodes (writer.cpp).
void BindWriter(py::module_& m);

}  // namespace vdxml_py
