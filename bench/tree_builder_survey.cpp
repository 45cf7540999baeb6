#include "tree_builder_survey.h"

#include <libxml/tree.h>

#include <stdexcept>
#include <vector>

#include "survey_layout.h"

namespace vdxml_bench {
namespace {

const xmlChar* X(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

template <class T>
T* Check(T* created) {
    if (!created) throw std::runtime_error("libxml2: out of memory while building the tree");
    return created;
}

class TreeSink {
  public:
    TreeSink() : m_doc(Check(xmlNewDoc(X("1.0")))) {}
    ~TreeSink() { xmlFreeDoc(m_doc); }
    TreeSink(const TreeSink&) = delete;
    TreeSink& operator=(const TreeSink&) = delete;

    void StartRoot() {
        xmlNodePtr root = Check(xmlNewDocNode(m_doc, nullptr, X("Company"), nullptr));
        xmlDocSetRootElement(m_doc, root);
        m_ns = Check(xmlNewNs(root, X(SurveyHeader::kNamespace), nullptr));
        xmlSetNs(root, m_ns);
        m_dt = Check(xmlNewNs(root, X(SurveyHeader::kDataTypesNamespace), X("dt")));
        m_open.push_back(root);
    }
    void Start(const char* name) {
        m_open.push_back(Check(xmlNewChild(m_open.back(), m_ns, X(name), nullptr)));
    }
    void Leaf(const char* name, const char* text, LeafMark mark) {
        xmlNodePtr leaf = Check(xmlNewTextChild(m_open.back(), m_ns, X(name), X(text)));
        if (mark == LeafMark::kComputed)
            Check(xmlNewProp(leaf, X("vsrc"), X("c")));
        else if (mark == LeafMark::kDateTime)
            Check(xmlNewNsProp(leaf, m_dt, X("dt"), X("datetime")));
    }
    void End() { m_open.pop_back(); }
    void Save(const std::string& path) {
        if (xmlSaveFormatFileEnc(path.c_str(), m_doc, "UTF-16", 0) < 0)
            throw std::runtime_error("libxml2: cannot save " + path);
    }

  private:
    xmlDocPtr m_doc;
    xmlNsPtr m_ns = nullptr;
    xmlNsPtr m_dt = nullptr;
    std::vector<xmlNodePtr> m_open;
};

}  // namespace

void WriteSurveyWithTreeBuilder(const std::string& path, long long points,
                                const std::string& fileCreated) {
    TreeSink sink;
    EmitSurvey(sink, points, fileCreated);
    sink.Save(path);
}

}  // namespace vdxml_bench
