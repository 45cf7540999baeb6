#include "vdxml/document.h"

#include <ctime>

#include "vdxml/vocabulary.h"

long CVdXmlDocumentBase::Initialize(const _vdxml_ptr<CVdXmlRoot>& root,
                                    IVdXmlDoc::enmDocType docType, const _bstr_t& fileName,
                                    int writeComments) {
    if (GetXmlDocument() || !root) return E_FAIL;
    const long hr = root->Initialize(docType, fileName, writeComments);
    if (SUCCEEDED(hr)) CVdXmlNodeBase::Initialize(root);
    return hr;
}

long CVdXmlDocument::GetEncoding(_bstr_t& encoding) {
    encoding = L"utf-16";
    return S_OK;
}

long CVdXmlDocument::Initialize(const VDXML_ROOT& root, IVdXmlDoc::enmDocType docType,
                                const _bstr_t& fileName, int writeComments) {
    if (!CVdXmlRoot::IsValid(root)) return E_FAIL;
    _vdxml_ptr<CVdXmlRoot> shared(new CVdXmlRoot(root), false);
    long hr = CVdXmlDocumentBase::Initialize(shared, docType, fileName, writeComments);
    if (FAILED(hr)) return hr;

    _bstr_t encoding;
    GetEncoding(encoding);
    hr = GetXmlDocument()->InsertProcessingInstruction(
        L"xml", _bstr_t(L" version='1.0' encoding='") + encoding + _bstr_t(L"'"));
    if (FAILED(hr)) return hr;
    hr = InsertRoot();
    return FAILED(hr) ? hr : S_OK;
}

long CVdXmlDocument::InsertRoot() {
    if (!GetXmlDocument() || !GetRoot()) return E_FAIL;
    if (GetNode(NODE_ROOT) || GetNode(NODE_APPLICATION) || GetNode(NODE_UNITS)) return E_FAIL;
    const CVdXmlRoot& record = *GetRoot();

    CVdXmlNode* rootNode = CreateNode(NODE_ROOT);
    std::list<VDXML_ATTRIBUTE> attrs{VdXml::attrXmlNsDataTypes};
    long hr = rootNode->Create(VdXml::tagCompany, &attrs);
    if (FAILED(hr)) return hr;
    hr = rootNode->InsertEntry(VdXml::tagName, record.Company);
    if (FAILED(hr)) return hr;

    const std::time_t now = std::time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    hr = rootNode->InsertEntryDateTimeTm(VdXml::tagFileCreated, local, 0.0);
    if (FAILED(hr)) return hr;
    if (!record.SourceDatasetLocation.empty()) {
        hr = rootNode->InsertEntry(VdXml::tagSourceDatasetLocation, record.SourceDatasetLocation);
        if (FAILED(hr)) return hr;
    }

    CVdXmlNode* application = CreateNode(NODE_APPLICATION);
    hr = application->Create(*rootNode, VdXml::tagApplication, nullptr);
    if (FAILED(hr)) return hr;
    hr = application->InsertEntry(VdXml::tagName, record.Application);
    if (FAILED(hr)) return hr;
    hr = InsertVersion(*application, record.Version);
    if (FAILED(hr)) return hr;
    return InsertUnits(*application, record.Units);
}

long CVdXmlDocument::InsertVersion(const CVdXmlNode& parent, const VDXML_VERSION& version) {
    return parent.InsertVersion(version);
}

long CVdXmlDocument::InsertUnits(const CVdXmlNode& parent, const VDXML_UNITS& units) {
    if (units.Linear == 0 && units.Angular == 0 && units.TimeSystem == 0) return E_FAIL;
    CVdXmlNode* node = CreateNode(NODE_UNITS);
    if (!node) return E_FAIL;
    long hr = node->Create(parent, VdXml::tagUnits, nullptr);
    if (FAILED(hr)) return hr;
    struct UnitEntry {
        const _bstr_t& tag;
        std::uint32_t value;
        const wchar_t* (*text)(std::uint32_t);
    };
    const UnitEntry entries[] = {
        {VdXml::tagUnitLinear, units.Linear, &CVdXmlRoot::LinearUnitText},
        {VdXml::tagUnitAngular, units.Angular, &CVdXmlRoot::AngularUnitText},
        {VdXml::tagTimeSystem, units.TimeSystem, &CVdXmlRoot::TimeSystemText}};
    for (const UnitEntry& entry : entries) {
        if (entry.value == 0) continue;
        hr = node->InsertEntry(entry.tag, static_cast<unsigned long>(entry.value));
        if (FAILED(hr)) return hr;
        hr = node->InsertComment(_bstr_t(entry.text(entry.value)));
        if (FAILED(hr)) return hr;
    }
    return hr;
}

long CVdXmlDocument::InsertItemName(const CVdXmlNode& parent, enmNode n, const _bstr_t& tag,
                                    const VDXML_ITEMNAME& item, CVdXmlNode*& out) {
    if (GetNode(n) || item.Name.empty()) return E_FAIL;
    out = CreateNode(n);
    const long hr = out->Create(parent, tag, nullptr);
    if (FAILED(hr)) return hr;
    return out->InsertItemName(item);
}

long CVdXmlDocument::Save() {
    _vdxml_ptr<IVdXmlDoc> doc = GetXmlDocument();
    return doc ? doc->Save() : E_FAIL;
}
