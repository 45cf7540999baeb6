// Writing elements below "Application" in a test, on both back ends: the written file read
// back as a tree (or as a DOM, for the readers) and a check that both back ends write alike.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/document_fixture.h"
#include "support/dom_helpers.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

/// The element reached from tree by a path of child names ("Rov/Ant"); an empty tree (and a
/// test failure) when a step is missing.
inline const XmlTree& Path(const XmlTree& tree, const std::string& path) {
    static const XmlTree kNone;
    const XmlTree* node = &tree;
    for (std::size_t start = 0; node && !path.empty() && start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        node = node->child(path.substr(start, slash - start));
        if (!node) ADD_FAILURE() << "no " << path.substr(0, slash);
        start = slash + 1;
    }
    return node ? *node : kNone;
}

class ApplicationTest : public BothBackEnds {
  protected:
    void SetUp() override { StartDocument(); }

    /// Saves, loads and returns the "Application" element of the written file.
    const XmlTree& Written() {
        m_tree = SaveAndLoad();
        return ApplicationOf(m_tree);
    }
    /// After Written(): the element at path below "Application" ("Rov/Ant", "Ref").
    const XmlTree& Below(const std::string& path) const {
        return Path(ApplicationOf(m_tree), path);
    }
    /// Saves, loads the file as a DOM and returns the element at path ("Application/Rov").
    VDXML_ELEMENT Saved(const std::wstring& path) {
        EXPECT_EQ(doc.Save(), S_OK);
        m_dom = LoadDom(this->path());
        return ElementAt(m_dom, path);
    }

  private:
    XmlTree m_tree;
    IXMLDOMDocument2Ptr m_dom;
};

/// Writes one document per back end through write(application node), expects both files to
/// hold the same "Application" tree and returns it.
template <class Write>
XmlTree ExpectSameOnBothBackEnds(Write&& write) {
    TempDir dir;
    XmlTree trees[2];
    for (const IVdXmlDoc::enmDocType type : {IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM}) {
        const std::string file = dir.file(type == IVdXmlDoc::DOCTYPE_DOM ? "dom.xml" : "sax.xml");
        CVdXmlDocument document;
        EXPECT_EQ(document.Initialize(SampleRoot(), type, _bstr_t(file), 1), S_OK);
        const CVdXmlNode* application = document.GetNode(CVdXmlDocument::NODE_APPLICATION);
        if (!application) return XmlTree();
        write(*application);
        EXPECT_EQ(document.Save(), S_OK);
        trees[type == IVdXmlDoc::DOCTYPE_DOM ? 0 : 1] = LoadXmlTree(file);
    }
    // Below the root only: the files' creation times may differ.
    const XmlTree& dom = Path(trees[0], "Application");
    EXPECT_EQ(DiffTrees(dom, Path(trees[1], "Application")), "");
    return dom;
}

}  // namespace vdxml_test
