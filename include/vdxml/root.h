// CVdXmlRoot: the shared owner of one output document. It holds the file-level record and
// chooses, creates and keeps the XML back end; every node of the document shares it.
#pragma once

#include "vdxml/backend.h"
#include "vdxml/export.h"
#include "vdxml/records.h"
#include "vdxml/refcount.h"

/// A counted object (see CVdXmlRefCount): create it with new and hand it to a _vdxml_ptr
/// that adopts the initial reference.
class VDXML_API CVdXmlRoot : public CVdXmlRefCount, public VDXML_ROOT {
  public:
    /// A copy of root, without a back end.
    explicit CVdXmlRoot(const VDXML_ROOT& root);
    /// Releases the back end; a streamed document that was not saved then leaves its target
    /// as it was, once no one else holds the back end.
    ~CVdXmlRoot() override;
    CVdXmlRoot(const CVdXmlRoot&) = delete;
    CVdXmlRoot& operator=(const CVdXmlRoot&) = delete;

    /// Validates the record, creates the back end (DOCTYPE_STREAM: streaming, anything else:
    /// DOM), names the output (a temporary file "~Rpt/<n>.xml" in the temporary directory
    /// when fileName is empty) and applies the selection settings: "SelectionNamespaces"
    /// ("xmlns:<prefix>='<namespace>'") when NamespacePrefix is set, "SelectionLanguage" when
    /// SelectionLanguage is. The back end is kept from its creation on, also when a later
    /// step fails, so a failed Initialize cannot be repeated.
    /// @param writeComments kept for the writers: 0 lets InsertComment succeed without
    ///                      asking the back end
    /// @return S_OK; E_FAIL when a back end exists already, the record is invalid, no
    ///         temporary name is free (10000 taken) or the selection declaration exceeds 259
    ///         characters; otherwise the first failing back-end call (Create, SetFileName with
    ///         its file error, SetProperty)
    long Initialize(IVdXmlDoc::enmDocType docType, const _bstr_t& fileName, int writeComments);
    /// The back end with a reference added; null before Initialize.
    _vdxml_ptr<IVdXmlDoc> GetXmlDocument() const { return m_doc; }
    /// The writeComments given to Initialize (0 before).
    int WriteComments() const { return m_writeComments; }

    /// True when the record can start a document: namespace, company and application present,
    /// a major version, at least one unit, and a code page of VDXML_CODEPAGE.
    static bool IsValid(const VDXML_ROOT& root);
    /// Text of a linear unit code: 1 "Metres [m]", 2 "US Survey feet [fts]",
    /// 3 "International feet [fti]"; null for any other code.
    static const wchar_t* LinearUnitText(std::uint32_t code);
    /// Text of an angular unit code: 1 "Radians"; null for any other code.
    static const wchar_t* AngularUnitText(std::uint32_t code);
    /// Text of a time system code: 1 "Local", 2 "UTC", 3 "GPS"; null for any other code.
    static const wchar_t* TimeSystemText(std::uint32_t code);

  private:
    /// The first free name "0.xml", "1.xml", ... in the folder "~Rpt" of the temporary
    /// directory (created when missing). E_FAIL when the path would be too long or all
    /// 10000 names are taken.
    long GenerateTempFilename(_bstr_t& name);

    int m_writeComments = 0;
    _vdxml_ptr<IVdXmlDoc> m_doc;
};

/// Creates the back end of a document type: the streaming back end for DOCTYPE_STREAM, the
/// DOM back end for anything else. The returned object carries its initial reference; its
/// engine objects are made by its Create.
VDXML_API IVdXmlDoc* VdXmlCreateBackEnd(IVdXmlDoc::enmDocType docType);
