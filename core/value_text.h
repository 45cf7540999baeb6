// Converting an element's text into a record field, by a reading row's format: from the DOM's
// typed value when a loaded document is read, straight from the parser's UTF-8 when a file is
// streamed. Both give the same value, bit for bit.
#pragma once

#include <string_view>

#include "vdxml/platform/bstr.h"
#include "vdxml/reading_map.h"

namespace vdxml_core {

/// Whether the current locale's decimal point is '.', so that a plain decimal may be read by
/// std::from_chars instead of wcstod with the same result. Asked once per element read: a
/// locale changed by a callback between two elements counts from the next one.
bool DecimalPointIsDot();

/// Converts text (the string form of an element's typed value) into data by format, as
/// CVdXmlNodeBase::AssignValue documents. dotDecimal: DecimalPointIsDot() of the reading.
long AssignText(const _bstr_t& text, VDXML_PARSE_NODEDATA::enmFormat format, void* data,
                bool dotDecimal);

/// The same for a streamed element: utf8 is its text, isDateTime whether it carries the
/// date-time data type (its typed value is then a date when the text reads as one).
long AssignUtf8(std::string_view utf8, bool isDateTime, VDXML_PARSE_NODEDATA::enmFormat format,
                void* data, bool dotDecimal);

}  // namespace vdxml_core
