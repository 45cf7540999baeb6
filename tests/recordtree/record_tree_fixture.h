// Record trees loaded from hand-written files, and a tree whose notifications a test can send
// itself.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/notification_log.h"
#include "support/test_files.h"
#include "vdxml/record_tree.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

/// "Company" named company with project "Survey" holding points with the given names; each
/// point body is inserted as written after its name.
inline std::string SurveyXml(const std::string& company,
                             std::initializer_list<std::pair<std::string, std::string>> points) {
    std::string xml = "<Company><Name>" + company +
                      "</Name><Application><Name>Field App</Name><Project><Name>Survey</Name>";
    for (const auto& [name, body] : points)
        xml += "<Pnt><Name>" + name + "</Name>" + body + "</Pnt>";
    return xml + "</Project></Application></Company>";
}

/// A local grid coordinate with easting e.
inline std::string CoordXml(const std::string& e) {
    return "<Crd><Lcl><ENH><E>" + e + "</E><N>1</N></ENH></Lcl></Crd>";
}

class RecordTreeTest : public ::testing::Test {
  protected:
    /// Writes xml to dir/name and loads it into tree; returns Load's status.
    long LoadXml(const std::string& xml, const std::string& name = "in.xml") {
        const std::string path = WriteXmlFile(dir.path(), name, xml);
        return tree.Load(path.c_str());
    }
    /// The names of the notifications of a replay of the given file.
    Names Replay(int file = 0) {
        log.Clear();
        EXPECT_EQ(tree.Scan(&log, file), S_OK);
        return log.Names();
    }
    /// The item name of the point or project at index; "" for another record or none.
    std::string NameAt(int index);

    TempDir dir;
    CVdXmlTree tree;
    NotificationLog log;
};

/// A record tree whose notifications and replay step tests call directly.
class OpenRecordTree : public CVdXmlTree {
  public:
    using CVdXmlTree::_GetNode;
    using CVdXmlTree::_OmitNode;
    using CVdXmlTree::OnCoord;
    using CVdXmlTree::OnCoordClose;
    using CVdXmlTree::OnPoint;
    using CVdXmlTree::OnPointClose;
    using CVdXmlTree::OnProject;
    using CVdXmlTree::OnProjectClose;
    using CVdXmlTree::OnVdXmlBegin;
    using CVdXmlTree::OnVdXmlClose;
    using CVdXmlTree::WalkTree;
};

}  // namespace vdxml_test
