// The record kinds the reader reports: their names as the file spells them and the
// conversion of a record into its Python class.
#pragma once

#include <cstdint>
#include <memory>

#include "common.h"

namespace vdxml_py {

/// The element name of a reported record kind ("Pnt", "Crd", ...), or null for a type code
/// the parser does not report.
const char* KindName(std::int32_t type);
/// A copy of a reported record, made on the thread that reads (no Python involved); null for
/// a type code the parser does not report.
std::unique_ptr<VDXML_BASE> CopyRecord(const VDXML_BASE& record);
/// The record as an object of its Python class (takes the copy over). Needs the GIL.
py::object RecordToPython(std::unique_ptr<VDXML_BASE> record);

}  // namespace vdxml_py
