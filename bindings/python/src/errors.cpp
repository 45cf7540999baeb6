// Failures into Python exceptions. The exception classes live in vdxml/_errors.py, where a
// class can derive from both vdxml.Error and a built-in exception (FileNotFoundError,
// ValueError); they are looked up when the first failure is raised.
#include <cstdio>

#include "common.h"

namespace vdxml_py {

std::string StatusText(long status) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08lX",
                  static_cast<unsigned long>(status) & 0xFFFFFFFFul);
    return buffer;
}

ErrorKind KindOfStatus(long status) {
    const unsigned long code = static_cast<unsigned long>(status) & 0xFFFFFFFFul;
    // The system's "file not found" and "path not found" as HRESULT_FROM_WIN32.
    if (code == 0x80070002ul || code == 0x80070003ul) return ErrorKind::FileNotFound;
    // The XML parser's codes: a file that is not well-formed or nested too deeply.
    if ((code & 0xFFFF0000ul) == 0xC00C0000ul) return ErrorKind::Malformed;
    if (code == (static_cast<unsigned long>(VDXML_E_OUT_OF_ORDER) & 0xFFFFFFFFul))
        return ErrorKind::Malformed;
    if (code == (static_cast<unsigned long>(E_INVALIDARG) & 0xFFFFFFFFul))
        return ErrorKind::InvalidArgument;
    return ErrorKind::General;
}

void Check(long status, const std::string& what) {
    if (SUCCEEDED(status)) return;
    throw StatusError(KindOfStatus(status), status, what + " (" + StatusText(status) + ")");
}

void InvalidArgument(const std::string& message) {
    throw StatusError(ErrorKind::InvalidArgument, E_INVALIDARG, message);
}

std::string PathArg(const py::handle& path) {
    py::object fspath;
    try {
        fspath = py::module_::import("os").attr("fsencode")(path);
    } catch (py::error_already_set& e) {
        if (e.matches(PyExc_TypeError))
            throw py::type_error("a path must be str, bytes or os.PathLike, not " +
                                 std::string(py::str(py::type::of(path).attr("__name__"))));
        throw;
    }
    std::string bytes = fspath.cast<std::string>();
    if (bytes.empty()) InvalidArgument("the path is empty");
    if (bytes.find('\0') != std::string::npos) InvalidArgument("the path holds a NUL character");
    return bytes;
}

void BindErrors(py::module_&) {
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const StatusError& e) {
            static const char* const names[] = {"Error", "FileNotFound", "Malformed",
                                                "InvalidArgument"};
            const py::object errors = py::module_::import("vdxml._errors");
            const py::object cls = errors.attr(names[static_cast<int>(e.Kind())]);
            const py::object error = cls(e.what(), e.Status());
            PyErr_SetObject(cls.ptr(), error.ptr());
        } catch (const _com_error& e) {
            // The streaming writer raises the file's failure this way.
            const py::object errors = py::module_::import("vdxml._errors");
            const py::object cls = errors.attr("Error");
            const std::string message = _bstr_t(e.ErrorMessage()).utf8();
            const py::object error = cls(message + " (" + StatusText(e.Error()) + ")", e.Error());
            PyErr_SetObject(cls.ptr(), error.ptr());
        }
    });
}

}  // namespace vdxml_py
