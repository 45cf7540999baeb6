#include "support/record_rewriter.h"

#include "vdxml/vdxml.h"

namespace vdxml_test {

int RecordRewriter::OnVdXmlBegin(VdXml::_CURRENCYTABLE* table) {
    VDXML_ROOT root = *table->pRoot;
    if (root.NamespaceURI.empty()) root.NamespaceURI = L"urn:vdxml:test";  // not read back
    if (FAILED(m_doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(m_path.c_str()), 0)))
        m_refused.push_back("Company");
    m_nodes.emplace_back();  // the application node stands for the root element
    return 0;
}

template <class Node, class Record>
int RecordRewriter::Open(const char* name, const Record* record) {
    const CVdXmlNode* parent = m_doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
    if (m_nodes.size() > 1) parent = m_nodes.back().get();
    auto node = std::make_unique<Node>();
    if (!parent || !record || FAILED(node->Create(*parent, *record))) {
        m_refused.push_back(name);
        node.reset();
    }
    m_nodes.push_back(std::move(node));
    return 0;
}

int RecordRewriter::Close() {
    if (!m_nodes.empty()) m_nodes.pop_back();
    return 0;
}

int RecordRewriter::OnProject(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlProject>("Project", t->pProject);
}
int RecordRewriter::OnPoint(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlPoint>("Pnt", t->pPoint);
}
int RecordRewriter::OnCoord(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlCoord>("Crd", t->pCoord);
}
int RecordRewriter::OnDCoord(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlDCoord>("DCrd", t->pDCoord);
}
int RecordRewriter::OnTpsSetup(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlTpsSetup>("TpsSetup", t->pTpsSetup);
}
int RecordRewriter::OnTpsSetupDetails(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlTpsSetupDetails>("TpsSetupDetails", t->pTpsSetupDetails);
}
int RecordRewriter::OnTpsObsSet(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlTpsObsSet>("TpsObsSet", t->pTpsObsSet);
}
int RecordRewriter::OnCoordinateSystem(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlCoordinateSystem>("CoordinateSystem", t->pCoordinateSystem);
}
int RecordRewriter::OnTrfResidual(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlTrfResidual>("TrfResidual", t->pTrfResidual);
}
int RecordRewriter::OnGpsBaseline(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlGpsBaseline>("GpsBl", t->pGpsBaseline);
}
int RecordRewriter::OnGpsReference(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlGpsReference>("Ref", t->pGpsReference);
}
int RecordRewriter::OnGpsRover(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlGpsRover>("Rov", t->pGpsRover);
}
int RecordRewriter::OnCode(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlThematicalCode>("ThematicalCode", t->pThematicalCode);
}
int RecordRewriter::OnAttribute(VdXml::_CURRENCYTABLE* t) {
    return Open<CVdXmlThematicalAttribute>("ThematicalAttr", t->pThematicalAttribute);
}

}  // namespace vdxml_test
