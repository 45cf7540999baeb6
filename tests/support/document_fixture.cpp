#include "support/document_fixture.h"

namespace vdxml_test {

VDXML_ROOT SampleRoot() {
    VDXML_ROOT root;
    root.NamespaceURI = L"urn:vdxml:test";
    root.Company = L"Survey Co";
    root.Application = L"Field App";
    root.Version.Major = 2;
    root.Version.Minor = 1;
    root.Version.Build = 7;
    root.Units.Linear = 1;
    root.Units.Angular = 1;
    root.Units.TimeSystem = 2;
    return root;
}

void BothBackEnds::StartDocument() { StartDocument(SampleRoot()); }

void BothBackEnds::StartDocument(const VDXML_ROOT& root) {
    const long hr = doc.Initialize(root, GetParam(), _bstr_t(m_path), 1);
    if (hr == E_NOTIMPL) GTEST_SKIP() << "back end not available in this build";
    ASSERT_EQ(hr, S_OK);
}

XmlTree BothBackEnds::SaveAndLoad() {
    EXPECT_EQ(doc.Save(), S_OK);
    return LoadXmlTree(m_path);
}

const XmlTree& BothBackEnds::ApplicationOf(const XmlTree& tree) {
    static const XmlTree kNone;
    const XmlTree* app = tree.child("Application");
    return app ? *app : kNone;
}

std::string BackEndName(const ::testing::TestParamInfo<IVdXmlDoc::enmDocType>& info) {
    return info.param == IVdXmlDoc::DOCTYPE_STREAM ? "Stream" : "Dom";
}

}  // namespace vdxml_test
