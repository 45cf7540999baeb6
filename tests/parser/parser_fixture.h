// Parsing hand-written files: each test writes its XML text to a temporary file and parses it
// with a parser that reports to a notification log.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/notification_log.h"
#include "support/test_files.h"
#include "vdxml/parser.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

class ParserTest : public ::testing::Test {
  protected:
    void SetUp() override { parser.SetCallbackInterface(&log); }

    /// Writes xml to a file and parses it; returns Parse's status.
    long ParseXml(const std::string& xml) {
        path = WriteXmlFile(dir.path(), "in.xml", xml);
        return parser.Parse(path.c_str());
    }

    TempDir dir;
    std::string path;
    NotificationLog log;
    CVdXmlParser parser;
};

/// A point "name" with a local grid coordinate (easting e).
inline std::string PointXml(const std::string& name, const std::string& e = "100.5") {
    return "<Pnt><Name>" + name + "</Name><Crd><Lcl><ENH><E>" + e +
           "</E><N>200.25</N></ENH></Lcl></Crd></Pnt>";
}

/// "Company" with its name and application around body (placed in the project "Survey").
inline std::string FileXml(const std::string& projectBody) {
    return "<?xml version=\"1.0\"?>\n<Company><Name>Survey Co</Name><Application><Name>Field "
           "App</Name><Project><Name>Survey</Name>" +
           projectBody + "</Project></Application></Company>";
}

/// An epoch the engine cannot turn into text: the point reader fails on it.
inline std::string UnreadableEpochXml() {
    return "<Epoch xmlns:dt=\"urn:schemas-microsoft-com:datatypes\" "
           "dt:dt=\"datetime\">9999-12-31T12:00:00</Epoch>";
}

}  // namespace vdxml_test
