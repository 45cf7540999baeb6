// Loading files and texts with the library's own XML engine, for tests of the readers.
#pragma once

#include <string>

#include "vdxml/backend.h"
#include "vdxml/engine/dom.h"

namespace vdxml_test {

/// A DOM document loaded from a file; fails the calling test (and returns null) when it
/// does not load.
IXMLDOMDocument2Ptr LoadDom(const std::string& path);
/// The same from XML text held in memory.
IXMLDOMDocument2Ptr LoadDomXml(const std::wstring& xml);

/// The index-th child element of node with the qualified name, or null.
IXMLDOMNodePtr ChildElement(const IXMLDOMNodePtr& node, const wchar_t* name, int index = 0);
/// Follows a path of child names from the document element ("Application/Project/Pnt");
/// an empty handle when a step is missing.
VDXML_ELEMENT ElementAt(const IXMLDOMDocument2Ptr& doc, const std::wstring& path);

}  // namespace vdxml_test
