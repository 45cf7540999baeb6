// The XML engine's DOM document and nodes. Calls that fail raise _com_error carrying the
// engine's status; results are returned directly (counted pointers, values).
#pragma once

#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/com_ptr.h"
#include "vdxml/platform/unknown.h"
#include "vdxml/platform/variant.h"

/// The kind of a DOM node.
enum DOMNodeType : int {
    NODE_INVALID = 0,
    NODE_ELEMENT = 1,
    NODE_ATTRIBUTE = 2,
    NODE_TEXT = 3,
    NODE_CDATA_SECTION = 4,
    NODE_ENTITY_REFERENCE = 5,
    NODE_ENTITY = 6,
    NODE_PROCESSING_INSTRUCTION = 7,
    NODE_COMMENT = 8,
    NODE_DOCUMENT = 9,
    NODE_DOCUMENT_TYPE = 10,
    NODE_DOCUMENT_FRAGMENT = 11,
    NODE_NOTATION = 12,
};

struct IXMLDOMNode;
struct IXMLDOMElement;
struct IXMLDOMText;
struct IXMLDOMProcessingInstruction;
struct IXMLDOMDocument2;
/// Counted pointers to the DOM's interfaces.
using IXMLDOMNodePtr = _com_ptr_t<IXMLDOMNode>;
using IXMLDOMElementPtr = _com_ptr_t<IXMLDOMElement>;
using IXMLDOMTextPtr = _com_ptr_t<IXMLDOMText>;
using IXMLDOMProcessingInstructionPtr = _com_ptr_t<IXMLDOMProcessingInstruction>;
using IXMLDOMDocument2Ptr = _com_ptr_t<IXMLDOMDocument2>;

/// The namespace of the data-type annotation "dt:dt".
inline constexpr const wchar_t* kDataTypesNamespace = L"urn:schemas-microsoft-com:datatypes";

/// Any node of a DOM document. Asking twice for the same node gives the same object.
struct VDXML_API IXMLDOMNode : IUnknown {
    static constexpr IID iid = {
        0x2933BF80, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    /// The kind of node.
    virtual DOMNodeType GetnodeType() = 0;
    /// The qualified name exactly as written (prefix included); "#text" etc. for other nodes.
    virtual _bstr_t GetnodeName() = 0;
    /// The text content of the node and its descendants.
    virtual _bstr_t Gettext() = 0;
    /// The typed value: the text, or for an element annotated "dt:dt"="datetime" in the
    /// data-types namespace a VT_DATE whose string form is "d.m.yyyy h:mm:ss[.fff]" (the
    /// text again when it is not a date-time).
    virtual _variant_t GetnodeTypedValue() = 0;
    /// The first child; null for a leaf and for any node but an element or the document.
    virtual IXMLDOMNodePtr GetfirstChild() = 0;
    /// The next sibling, or null after the last one (always null for the document).
    virtual IXMLDOMNodePtr GetnextSibling() = 0;
    /// The parent, or null for the document and for a node not in the tree.
    virtual IXMLDOMNodePtr GetparentNode() = 0;
    /// True when GetfirstChild would give a node.
    virtual bool hasChildNodes() = 0;
    /// Appends newChild as the last child; returns it.
    virtual IXMLDOMNodePtr appendChild(IXMLDOMNode* newChild) = 0;
};

/// An element node.
struct VDXML_API IXMLDOMElement : IXMLDOMNode {
    static constexpr IID iid = {
        0x2933BF86, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    /// Sets an attribute to the value's string form; "xmlns" and "xmlns:p" declare
    /// namespaces, and the prefix "dt" declares the data-types namespace where needed. Raises
    /// _com_error: E_INVALIDARG for a name that is not a qualified name or whose prefix is
    /// not declared, E_FAIL for a declaration that contradicts one the element has.
    virtual void setAttribute(const _bstr_t& name, const _variant_t& value) = 0;
    /// The attribute's value as a string variant, or an empty variant when absent.
    virtual _variant_t getAttribute(const _bstr_t& name) = 0;
};

/// A text node.
struct VDXML_API IXMLDOMText : IXMLDOMNode {
    static constexpr IID iid = {
        0x2933BF87, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
};

/// A processing-instruction node, the XML declaration among them.
struct VDXML_API IXMLDOMProcessingInstruction : IXMLDOMNode {
    static constexpr IID iid = {
        0x2933BF89, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
};

/// Where and why a load failed.
struct VDXML_API XmlParseError {
    long errorCode = 0;  ///< S_OK after a successful load
    long line = 0;       ///< 1-based line of the error, 0 when unknown
    long linepos = 0;    ///< 1-based column, 0 when unknown
    _bstr_t reason;      ///< the engine's message
};

/// A DOM document: it creates nodes, saves and loads.
struct VDXML_API IXMLDOMDocument2 : IXMLDOMNode {
    static constexpr IID iid = {
        0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    /// Creates a node not yet in the tree; only NODE_ELEMENT is supported (a qualified name
    /// and a namespace URI; an empty URI means no namespace). Raises _com_error: E_NOTIMPL
    /// for another node type, E_INVALIDARG for an unknown type, a name that is not a
    /// qualified name, or a prefix without a namespace URI.
    virtual IXMLDOMNodePtr createNode(const _variant_t& type, const _bstr_t& name,
                                      const _bstr_t& namespaceURI) = 0;
    /// Creates a text node not yet in the tree.
    virtual IXMLDOMTextPtr createTextNode(const _bstr_t& data) = 0;
    /// Target "xml" makes the document's declaration: its data sets version and encoding.
    /// Raises _com_error(E_INVALIDARG) for a target that is not a name or another spelling
    /// of "xml", data holding "?>", or a declaration that does not parse.
    virtual IXMLDOMProcessingInstructionPtr createProcessingInstruction(const _bstr_t& target,
                                                                        const _bstr_t& data) = 0;
    /// Accepts "SelectionNamespaces" and "SelectionLanguage"; other names raise E_INVALIDARG.
    virtual void setProperty(const _bstr_t& name, const _variant_t& value) = 0;
    /// The value of a property set by setProperty; "SelectionLanguage" is "XPath" until set.
    /// Other names raise E_INVALIDARG.
    virtual _variant_t getProperty(const _bstr_t& name) = 0;
    /// Writes the whole document to the named file in the declared encoding (UTF-16 with
    /// byte-order mark for "utf-16"; UTF-8 when nothing is declared). Raises _com_error: a
    /// file error (0x8007xxxx) when the file cannot be written, E_INVALIDARG when the
    /// destination is not a non-empty file name.
    virtual void save(const _variant_t& destination) = 0;
    /// Loads a file by name; false when it is missing or not well-formed (see GetparseError).
    /// No network access, no external entities or DTDs, no entity expansion. The loaded tree
    /// replaces the document's; after a failure the document is empty. A source that is not
    /// a non-empty file name raises _com_error(E_INVALIDARG).
    virtual bool load(const _variant_t& source) = 0;
    /// Loads a document from text held in memory, with the same protections as load.
    virtual bool loadXML(const _bstr_t& text) = 0;
    /// The root element, or null when the document has none.
    virtual IXMLDOMElementPtr GetdocumentElement() = 0;
    /// Where and why the last load or loadXML failed.
    virtual XmlParseError GetparseError() = 0;
};
