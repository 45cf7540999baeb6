// Text and typed values of DOM nodes.
//
// An element's text is the concatenated content of its text and CDATA descendants. References
// to entities declared in a document's DTD are not expanded: they contribute no text.
#pragma once

#include <libxml/tree.h>

#include <string>
#include <string_view>

#include "vdxml/platform/bstr.h"
#include "vdxml/platform/variant.h"

namespace vdxml_engine {

/// Appends the text of node (see above) to out as UTF-8.
void AppendText(xmlNodePtr node, std::string& out);

/// The text of node as a wide string.
_bstr_t TextOf(xmlNodePtr node);

/// The value of an attribute (its text children; entity references contribute nothing).
void AppendAttributeValue(xmlAttrPtr attr, std::string& out);

/// The typed value of node: for an element carrying "dt:dt" = "datetime" in the data-types
/// namespace whose text reads as a date-time (see ole_date.h), a VT_DATE; in every other case,
/// including a date-time element whose text does not parse, the text as a string.
_variant_t TypedValueOf(xmlNodePtr node);

/// The typed value of an element whose text is utf8 and which carries the date-time data type
/// or not, as TypedValueOf gives it; for a streamed element, whose node is never built.
_variant_t TypedValueOfText(std::string_view utf8, bool isDateTime);

}  // namespace vdxml_engine
