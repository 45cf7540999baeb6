// CVdXmlDocument: the caller's entry point for writing a file. It validates the root record,
// writes the declaration and the root element with its fixed children, hands out the
// element under which projects are inserted, and saves.
#pragma once

#include "vdxml/node.h"
#include "vdxml/node_table.h"
#include "vdxml/records.h"
#include "vdxml/root.h"

class CVdXmlProject;
struct VDXML_PROJECT;

class CVdXmlDocumentBase : public CVdXmlNodeBase {
  public:
    CVdXmlDocumentBase() = default;
    CVdXmlDocumentBase(const CVdXmlDocumentBase&) = delete;
    CVdXmlDocumentBase& operator=(const CVdXmlDocumentBase&) = delete;

  protected:
    /// E_FAIL when this document has a back end already or root is null; otherwise the
    /// status of root->Initialize, adopting root when that succeeds.
    long Initialize(const _vdxml_ptr<CVdXmlRoot>& root, IVdXmlDoc::enmDocType docType,
                    const _bstr_t& fileName, int writeComments);
};

class CVdXmlDocument : public CVdXmlDocumentBase {
  public:
    enum enmNode { NODE_ROOT = 1, NODE_APPLICATION = 2, NODE_UNITS = 3 };

    CVdXmlDocument() = default;
    ~CVdXmlDocument() override = default;

    /// Starts the document: back end (1 streaming, anything else DOM), output file (a
    /// temporary "~Rpt/<n>.xml" when fileName is empty), declaration and root element.
    long Initialize(const VDXML_ROOT& root, IVdXmlDoc::enmDocType docType, const _bstr_t& fileName,
                    int writeComments);
    /// Writes a project below "Application".
    long InsertProject(const VDXML_PROJECT& project, CVdXmlProject& out);
    /// E_FAIL without a back end; otherwise the back end's Save.
    long Save();
    /// "utf-16".
    static long GetEncoding(_bstr_t& encoding);
    const CVdXmlNode* GetNode(enmNode n) const { return m_nodes.GetNode(n); }

    /// Reads a root element into root: company, source location, application, version, units.
    static long Read(VDXML_ELEMENT& element, VDXML_ROOT& root);

  protected:
    long InsertRoot();
    long InsertVersion(const CVdXmlNode& parent, const VDXML_VERSION& version);
    long InsertUnits(const CVdXmlNode& parent, const VDXML_UNITS& units);
    long InsertItemName(const CVdXmlNode& parent, enmNode n, const _bstr_t& tag,
                        const VDXML_ITEMNAME& item, CVdXmlNode*& out);

  private:
    CVdXmlNode* CreateNode(enmNode n) { return m_nodes.CreateNode(n, *this); }

    CVdXmlNodeTable<enmNode> m_nodes;
};
