// A document with a project and a point to write geometry elements into, the written file read
// back as a tree, and small helpers to walk it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_fixture.h"
#include "vdxml/coord.h"
#include "vdxml/dcoord.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

/// The element reached from tree by a path of child names ("Project/Pnt/Crd"); an empty tree
/// (and a test failure) when a step is missing.
inline const XmlTree& At(const XmlTree& tree, const std::string& path) {
    static const XmlTree kNone;
    const XmlTree* node = &tree;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        node = node->child(path.substr(start, slash - start));
        if (!node) {
            ADD_FAILURE() << "no " << path.substr(0, slash);
            return kNone;
        }
        start = slash + 1;
    }
    return *node;
}

/// True when the element carries the computed-value mark "vsrc" = "c".
inline bool IsComputed(const XmlTree& t) {
    const auto it = t.attrs.find("vsrc");
    return it != t.attrs.end() && it->second == "c";
}

/// A document on each back end with project "Survey" and point "P1" ready for coordinates.
class GeometryTest : public BothBackEnds {
  protected:
    void SetUp() override { StartDocument(); }

    /// Writes the project and its point; the test fails when either is refused.
    void StartPoint() {
        VDXML_PROJECT project;
        project.Name = L"Survey";
        ASSERT_EQ(doc.InsertProject(project, m_project), S_OK);
        VDXML_POINT point;
        point.Name = L"P1";
        ASSERT_EQ(m_project.InsertPoint(point, m_point), S_OK);
    }
    const CVdXmlPoint& Point() const { return m_point; }

    /// Saves, loads and returns the "Application" element of the written file.
    const XmlTree& Written() {
        m_tree = SaveAndLoad();
        return ApplicationOf(m_tree);
    }
    /// After Written(): the element at path below the point ("Crd/W84/XYZ"); the point
    /// itself for an empty path.
    const XmlTree& Below(const std::string& path) {
        return At(ApplicationOf(m_tree), path.empty() ? "Project/Pnt" : "Project/Pnt/" + path);
    }

    CVdXmlProject m_project;
    CVdXmlPoint m_point;

  private:
    XmlTree m_tree;
};

}  // namespace vdxml_test
