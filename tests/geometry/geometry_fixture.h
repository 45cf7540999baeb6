// A document with a project and a point to write geometry elements into, the written file read
// back as a tree.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/application_fixture.h"
#include "vdxml/coord.h"
#include "vdxml/dcoord.h"
#include "vdxml/point.h"
#include "vdxml/project.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

/// True when the element carries the computed-value mark "vsrc" = "c".
inline bool IsComputed(const XmlTree& t) {
    const auto it = t.attrs.find("vsrc");
    return it != t.attrs.end() && it->second == "c";
}

/// A document on each back end with project "Survey" and point "P1" ready for coordinates.
class GeometryTest : public ApplicationTest {
  protected:
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

    /// After Written(): the element at path below the point ("Crd/W84/XYZ"); the point
    /// itself for an empty path.
    const XmlTree& Below(const std::string& path) const {
        return ApplicationTest::Below(path.empty() ? "Project/Pnt" : "Project/Pnt/" + path);
    }

    CVdXmlProject m_project;
    CVdXmlPoint m_point;
};

}  // namespace vdxml_test
