// CVdXmlRoot: the shared owner of one output document. It holds the file-level record and
// chooses, creates and keeps the XML back end; every node of the document shares it.
#pragma once

#include "vdxml/backend.h"
#include "vdxml/records.h"
#include "vdxml/refcount.h"

class CVdXmlRoot : public CVdXmlRefCount, public VDXML_ROOT {
  public:
    explicit CVdXmlRoot(const VDXML_ROOT& root);
    ~CVdXmlRoot() override;
    CVdXmlRoot(const CVdXmlRoot&) = delete;
    CVdXmlRoot& operator=(const CVdXmlRoot&) = delete;

    /// Validates the record, creates the back end (DOCTYPE_STREAM: streaming, anything else:
    /// DOM), names the output (a temporary file when fileName is empty) and applies the
    /// selection settings. E_FAIL when a back end exists already or the record is invalid;
    /// otherwise the status of the last back-end call.
    long Initialize(IVdXmlDoc::enmDocType docType, const _bstr_t& fileName, int writeComments);
    /// The back end with a reference added; null before Initialize.
    _vdxml_ptr<IVdXmlDoc> GetXmlDocument() const { return m_doc; }
    int WriteComments() const { return m_writeComments; }

    /// True when the record can start a document: namespace, company and application present,
    /// a major version, and at least one unit.
    static bool IsValid(const VDXML_ROOT& root);
    /// Text of a unit code, or null when the code has none.
    static const wchar_t* LinearUnitText(std::uint32_t code);
    static const wchar_t* AngularUnitText(std::uint32_t code);
    static const wchar_t* TimeSystemText(std::uint32_t code);

  private:
    long GenerateTempFilename(_bstr_t& name);

    int m_writeComments = 0;
    _vdxml_ptr<IVdXmlDoc> m_doc;
};

/// Creates the back end of a document type; the streaming back end for DOCTYPE_STREAM.
/// The returned object carries its initial reference.
IVdXmlDoc* VdXmlCreateBackEnd(IVdXmlDoc::enmDocType docType);
