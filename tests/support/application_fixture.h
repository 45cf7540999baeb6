// Writing elements straight below "Application" in a test: a fixture over both back ends with
// the written file read back as a tree or as a DOM for the readers, path lookups in the tree,
// and a check that both back ends write the same tree.
#pragma once

#include <gtest/gtest.h>

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
inline bool IsMarkedComputed(const XmlTree& t) {
    const auto it = t.attrs.find("vsrc");
    return it != t.attrs.end() && it->second == "c";
}

class ApplicationTest : public BothBackEnds {
  protected:
    void SetUp() override { StartDocument(); }

    /// Saves, loads and returns the "Application" element of the written file.
    const XmlTree& Written() {
        m_tree = SaveAndLoad();
        return ApplicationOf(m_tree);
    }
    /// After Written(): the element at path below "Application".
    const XmlTree& Below(const std::string& path) const {
        return Path(ApplicationOf(m_tree), path);
    }
    /// After Written(): the i-th element called name below "Application".
    const XmlTree& Nth(const std::string& name, std::size_t i) const {
        static const XmlTree kNone;
        const XmlTree* found = ApplicationOf(m_tree).child(name, i);
        EXPECT_NE(found, nullptr) << name << " #" << i;
        return found ? *found : kNone;
    }
    /// Saves, loads the file as a DOM and returns the element at path below the root element
    /// ("Application/Rov"), for the readers.
    VDXML_ELEMENT Saved(const std::wstring& path) {
        EXPECT_EQ(doc.Save(), S_OK);
        m_dom = LoadDom(this->path());
        return ElementAt(m_dom, path);
    }

    /// The "Application" node of a second document on the same back end, for writing read
    /// records back once the first document was saved.
    const CVdXmlNode& SecondApplication() {
        if (!m_second.GetNode(CVdXmlDocument::NODE_APPLICATION)) {
            const _bstr_t file(dir.file("second.xml"));
            EXPECT_EQ(m_second.Initialize(SampleRoot(), GetParam(), file, 1), S_OK);
        }
        static const CVdXmlNode kNoDocument;  // refused by every writer
        const CVdXmlNode* application = m_second.GetNode(CVdXmlDocument::NODE_APPLICATION);
        return application ? *application : kNoDocument;
    }

  private:
    XmlTree m_tree;
    IXMLDOMDocument2Ptr m_dom;
    CVdXmlDocument m_second;
};

/// Writes one document on each back end, calling write(application node) for each, and
/// expects both files to hold the same tree. Returns the DOM back end's "Application" tree.
template <class Write>
XmlTree ExpectSameOnBothBackEnds(Write&& write) {
    TempDir dir;
    XmlTree trees[2];
    const IVdXmlDoc::enmDocType types[2] = {IVdXmlDoc::DOCTYPE_DOM, IVdXmlDoc::DOCTYPE_STREAM};
    for (int i = 0; i < 2; ++i) {
        const std::string file = dir.file(i == 0 ? "dom.xml" : "stream.xml");
        CVdXmlDocument document;
        const CVdXmlNode* application = nullptr;
        if (document.Initialize(SampleRoot(), types[i], _bstr_t(file), 1) == S_OK)
            application = document.GetNode(CVdXmlDocument::NODE_APPLICATION);
        if (!application) {
            ADD_FAILURE() << "no document on back end " << types[i];
            return XmlTree();
        }
        write(*application);
        EXPECT_EQ(document.Save(), S_OK);
        trees[i] = LoadXmlTree(file);
    }
    EXPECT_EQ(DiffTrees(trees[0], trees[1]), "");
    const XmlTree* application = trees[0].child("Application");
    return application ? *application : XmlTree();
}

}  // namespace vdxml_test
