#include "vdxml/root.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "platform/codepage.h"
#include "platform/files.h"
#include "vdxml/enum_text.h"
#include "vdxml/vocabulary.h"

namespace {
const VdXmlEnumText kLinearUnits[] = {
    {1, L"Metres [m]"}, {2, L"US Survey feet [fts]"}, {3, L"International feet [fti]"}};
const VdXmlEnumText kAngularUnits[] = {{1, L"Radians"}};
const VdXmlEnumText kTimeSystems[] = {{1, L"Local"}, {2, L"UTC"}, {3, L"GPS"}};

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}
}  // namespace

CVdXmlRoot::CVdXmlRoot(const VDXML_ROOT& root) : VDXML_ROOT(root) {}

CVdXmlRoot::~CVdXmlRoot() = default;

const wchar_t* CVdXmlRoot::LinearUnitText(std::uint32_t code) {
    return VdXmlEnumTable(kLinearUnits).Find(code);
}
const wchar_t* CVdXmlRoot::AngularUnitText(std::uint32_t code) {
    return VdXmlEnumTable(kAngularUnits).Find(code);
}
const wchar_t* CVdXmlRoot::TimeSystemText(std::uint32_t code) {
    return VdXmlEnumTable(kTimeSystems).Find(code);
}

bool CVdXmlRoot::IsValid(const VDXML_ROOT& root) {
    const bool anyUnit =
        root.Units.Linear != 0 || root.Units.Angular != 0 || root.Units.TimeSystem != 0;
    return !root.NamespaceURI.empty() && !root.Company.empty() && !root.Application.empty() &&
           root.Version.Major != 0 && anyUnit && vdxml_platform::IsKnownCodePage(root.CodePage);
}

long CVdXmlRoot::Initialize(IVdXmlDoc::enmDocType docType, const _bstr_t& fileName,
                            int writeComments) {
    if (m_doc) return E_FAIL;
    if (!IsValid(*this)) return E_FAIL;
    m_writeComments = writeComments;

    _vdxml_ptr<IVdXmlDoc> doc(VdXmlCreateBackEnd(docType), false);
    if (!doc) return E_OUTOFMEMORY;
    m_doc = doc;

    long hr = m_doc->Create();
    if (FAILED(hr)) return hr;

    _bstr_t name = fileName;
    if (name.empty()) {
        hr = GenerateTempFilename(name);
        if (FAILED(hr)) return hr;
    }
    hr = m_doc->SetFileName(name);
    if (FAILED(hr)) return hr;

    if (!NamespacePrefix.empty()) {
        // The selection namespace declaration must fit the fixed 259-character buffer.
        const std::string prefix = vdxml_platform::WideToAnsi(NamespacePrefix.view());
        const std::string uri = vdxml_platform::WideToAnsi(NamespaceURI.view());
        const std::string text = "xmlns:" + prefix + "='" + uri + "'";
        if (text.size() > 259) return E_FAIL;
        hr = m_doc->SetProperty(VdXml::xmlPropSelectionNamespaces,
                                _variant_t(_bstr_t(vdxml_platform::AnsiToWide(text))));
        if (FAILED(hr)) return hr;
    }
    if (!SelectionLanguage.empty())
        hr = m_doc->SetProperty(VdXml::xmlPropSelectionLanguage, SelectionLanguage);
    return hr;
}

long CVdXmlRoot::GenerateTempFilename(_bstr_t& name) {
    std::string dir = vdxml_platform::TempDirectory();
    if (dir.size() > 247) return E_FAIL;
    dir += "~Rpt/";
    ::mkdir(dir.c_str(), 0777);  // an existing folder is fine
    if (dir.size() > 252) return E_FAIL;
    for (unsigned long n = 0;; ++n) {
        std::string file = std::to_string(n) + ".xml";
        if (file.size() > 8) file.resize(8);  // the file part is cut to eight bytes
        const std::string candidate = dir + file;
        if (!FileExists(candidate)) {
            name = _bstr_t(vdxml_platform::AnsiToWide(candidate));
            return S_OK;
        }
        if (n == 9999) return E_FAIL;  // every name that fits eight bytes is taken
    }
}
