// How records are named and summarised in the tool's output.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "vdxml/records.h"

namespace vdxml_cli {

/// The element name of a record kind ("Pnt", "Crd", ...), "?" for an unknown code.
std::string KindName(std::int32_t type);
/// The kinds in the order `info` lists them, with their element names.
const std::vector<std::int32_t>& ReportedKinds();
/// The key fields of a record as name/value pairs (names, coordinates, observations).
nlohmann::ordered_json KeyFields(const VDXML_BASE& record);
/// The key fields on one line: "Name=P1 E=2600000.000 ...".
std::string KeyFieldsText(const VDXML_BASE& record);
/// UTF-8 of a wide text.
std::string Utf8(const _bstr_t& text);

}  // namespace vdxml_cli
