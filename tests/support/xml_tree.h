// A written file parsed back with libxml2 into a plain tree, so tests check structure,
// names, namespaces, attributes and texts rather than searching strings.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vdxml_test {

struct XmlTree {
    std::string name;  ///< qualified name as written
    std::string ns;    ///< namespace URI, empty for none
    std::map<std::string, std::string>
        attrs;         ///< qualified attribute name -> value (namespace declarations excluded)
    std::string text;  ///< concatenated text of the direct text children
    std::vector<XmlTree> children;  ///< element children only
    bool hasComment = false;        ///< whether a comment child exists

    /// The index-th child element named name, or null.
    const XmlTree* child(const std::string& name, std::size_t index = 0) const;
    /// The text of the first child named name; "<missing>" when there is none.
    std::string childText(const std::string& name) const;
    /// The names of the child elements in document order.
    std::vector<std::string> childNames() const;
    /// Number of child elements named name.
    std::size_t count(const std::string& name) const;
    /// The namespace URI that an attribute's prefix is bound to ("" for none).
    std::map<std::string, std::string> attrNs;
};

/// Parses a file (any encoding libxml2 detects) into a tree; throws std::runtime_error when
/// the file is missing or not well-formed. dropBlanks leaves out the indentation between
/// elements (whitespace-only text of elements that hold elements).
XmlTree LoadXmlTree(const std::string& path, bool dropBlanks = false);

/// Compares two trees; returns an empty string when equal, else where they first differ.
std::string DiffTrees(const XmlTree& a, const XmlTree& b, const std::string& where = "");

}  // namespace vdxml_test
