// CVdXmlDocument: the caller's entry point for writing a file. It validates the root record,
// writes the declaration and the root element with its fixed children, hands out the
// element under which projects are inserted, and saves.
#pragma once

#include "vdxml/export.h"
#include "vdxml/node.h"
#include "vdxml/node_table.h"
#include "vdxml/records.h"
#include "vdxml/root.h"

class CVdXmlProject;
struct VDXML_PROJECT;

/// The part of a document that owns the root: it starts the back end and then shares the
/// root with every node written.
class VDXML_API CVdXmlDocumentBase : public CVdXmlNodeBase {
  public:
    /// A document without a root.
    CVdXmlDocumentBase() = default;
    CVdXmlDocumentBase(const CVdXmlDocumentBase&) = delete;
    CVdXmlDocumentBase& operator=(const CVdXmlDocumentBase&) = delete;

  protected:
    /// Starts root's back end (see CVdXmlRoot::Initialize) and adopts root when that
    /// succeeds.
    /// @return E_FAIL when this document has a back end already or root is null; otherwise
    ///         the status of root->Initialize
    long Initialize(const _vdxml_ptr<CVdXmlRoot>& root, IVdXmlDoc::enmDocType docType,
                    const _bstr_t& fileName, int writeComments);
};

/// Writing a file: Initialize, InsertProject (and the writers below each project), Save.
class VDXML_API CVdXmlDocument : public CVdXmlDocumentBase {
  public:
    /// The nodes the document keeps: the root element "Company", "Application" and "Units".
    enum enmNode { NODE_ROOT = 1, NODE_APPLICATION = 2, NODE_UNITS = 3 };

    /// A document not yet started.
    CVdXmlDocument() = default;
    /// Releases its nodes and its share of the root; the back end goes with the root's last
    /// share (an unsaved streamed document then leaves its target as it was).
    ~CVdXmlDocument() override = default;

    /// Starts the document: back end (1 streaming, anything else DOM), output file (a
    /// temporary "~Rpt/<n>.xml" when fileName is empty), the declaration
    /// " version='1.0' encoding='utf-16'", then the root element "Company" (declaring the
    /// "dt" prefix) with "Name", "FileCreated" (now, in local time), "SourceDatasetLocation"
    /// (when set) and "Application" with its "Name", "Version" and "Units".
    /// @param root          company, application, version, units and the code page every
    ///                      text passes through (CodePage); see CVdXmlRoot::IsValid
    /// @param docType       DOCTYPE_STREAM or DOCTYPE_DOM
    /// @param fileName      the output file (UTF-8 path), or empty for a temporary one
    /// @param writeComments the comment flag, kept for the writers (no back end writes comments)
    /// @return S_OK; E_FAIL for an invalid record, a second call or a unit code without a
    ///         text (written up to that code's number); the back end's failure (a file error
    ///         0x8007xxxx for an output that cannot be created)
    long Initialize(const VDXML_ROOT& root, IVdXmlDoc::enmDocType docType, const _bstr_t& fileName,
                    int writeComments);
    /// Writes a project below "Application" into out (see CVdXmlProject::Create).
    /// @return E_FAIL before Initialize, else the project writer's status
    long InsertProject(const VDXML_PROJECT& project, CVdXmlProject& out);
    /// E_FAIL without a back end; otherwise the back end's Save.
    long Save();
    /// Sets encoding to "utf-16", the encoding the declaration names. @return S_OK
    static long GetEncoding(_bstr_t& encoding);
    /// The root element, "Application" or "Units" node; null before Initialize.
    const CVdXmlNode* GetNode(enmNode n) const { return m_nodes.GetNode(n); }

    /// Reads a root element into root: company, source location, application, version and
    /// unit codes; the namespace, the selection settings and unread fields keep their values.
    /// @return S_OK; E_FAIL when element holds no element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_ROOT& root);

  protected:
    /// "Company" with its name, "FileCreated" and the source location, then "Application"
    /// with its name, version and units. @return E_FAIL without a back end or when the nodes
    /// exist already; else the first failure, or S_OK
    long InsertRoot();
    /// "Version" below parent (see CVdXmlNode::InsertVersion).
    long InsertVersion(const CVdXmlNode& parent, const VDXML_VERSION& version);
    /// "Units" below parent with its "Linear", "Angular" and "TimeSystem" codes (each when
    /// not 0), each followed by its text as a comment.
    /// @return E_FAIL, writing nothing, when all three are 0 or the node exists already; E_FAIL
    ///         after the number for a code without a text; the first failure, else the last
    ///         write's status
    long InsertUnits(const CVdXmlNode& parent, const VDXML_UNITS& units);
    /// Table node n as element tag below parent with the item name written into it.
    /// @return E_FAIL when node n exists or the name is empty, else the writer's status
    long InsertItemName(const CVdXmlNode& parent, enmNode n, const _bstr_t& tag,
                        const VDXML_ITEMNAME& item, CVdXmlNode*& out);

  private:
    /// A new node n sharing the document's root; null when n exists already.
    CVdXmlNode* CreateNode(enmNode n) { return m_nodes.CreateNode(n, *this); }

    CVdXmlNodeTable<enmNode> m_nodes;
};
