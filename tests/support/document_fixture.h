// Writing a document in a test: a valid root record, a document initialised on a chosen back
// end in a temporary folder, and the written file parsed back for checks.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/document.h"

namespace vdxml_test {

/// A root record that every document accepts: namespace "urn:vdxml:test", company
/// "Survey Co", application "Field App", version 2.1 build 7, metres/radians/UTC.
VDXML_ROOT SampleRoot();

/// Test fixture parameterised over the back end: TEST_P bodies run once for the DOM and
/// once for the streaming back end (instantiate with VDXML_INSTANTIATE_BOTH_BACKENDS).
class BothBackEnds : public ::testing::TestWithParam<IVdXmlDoc::enmDocType> {
  protected:
    /// Initialises doc with SampleRoot() (or root) on GetParam() into path(); the test is
    /// skipped when that back end is not available in this build.
    void StartDocument();
    void StartDocument(const VDXML_ROOT& root);
    /// Saves doc and parses the file back; fails the test when either step fails.
    XmlTree SaveAndLoad();
    /// The "Application" node of doc, under which projects go.
    const CVdXmlNode& Application() const { return *doc.GetNode(CVdXmlDocument::NODE_APPLICATION); }
    /// The "Application" element of a loaded tree.
    static const XmlTree& ApplicationOf(const XmlTree& tree);

    const std::string& path() const { return m_path; }

    TempDir dir;
    CVdXmlDocument doc;

  private:
    std::string m_path = dir.file("out.xml");
};

std::string BackEndName(const ::testing::TestParamInfo<IVdXmlDoc::enmDocType>& info);

}  // namespace vdxml_test

#define VDXML_INSTANTIATE_BOTH_BACKENDS(Suite)                                                     \
    INSTANTIATE_TEST_SUITE_P(BackEnds, Suite,                                                      \
                             ::testing::Values(IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM), \
                             ::vdxml_test::BackEndName)
