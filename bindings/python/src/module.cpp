// The extension module vdxml._vdxml; the package vdxml (vdxml/__init__.py) re-exports it.
#include "common.h"

PYBIND11_MODULE(_vdxml, m) {
    m.doc() = "Reading and writing land-survey XML files with the vdxml library.";
    vdxml_py::BindErrors(m);
    vdxml_py::BindRecords(m);
    vdxml_py::BindReader(m);
    vdxml_py::BindWriter(m);
}
