// Parsing a document with libxml2 under the engine's protections: no network, no external
// entities or DTDs, no entity substitution, libxml2's depth and size limits on, no output on
// stderr. White space between elements is kept as text nodes, as libxml2 reads it.
#pragma once

#include <libxml/tree.h>

#include <string>

#include "vdxml/engine/dom.h"

namespace vdxml_engine {

class ErrorCapture;

/// Fills error from what capture recorded during a failed parse: libxml2's first error with
/// its position, or a general failure when it reported none (out of memory when no parser
/// context could be made).
void ReportParseFailure(const ErrorCapture& capture, bool contextMade, XmlParseError& error);

/// Status of a failed parse: 0xC00C0000 | libxml2's error code.
long ParseErrorStatus(int libxmlCode);

/// Parses the file at path (UTF-8). Null on failure, with error filled; a file that cannot be
/// opened or read gives the matching Win32 error as status and line 0.
xmlDocPtr ParseFile(const std::string& path, XmlParseError& error);

/// Parses UTF-8 text held in memory; an encoding named by its declaration is ignored.
xmlDocPtr ParseText(const std::string& utf8, XmlParseError& error);

}  // namespace vdxml_engine
