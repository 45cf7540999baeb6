// The back-end interface through which every write reaches the XML engine, and the handle
// of one written (or read) element.
#pragma once

#include <cstdint>
#include <list>

#include "vdxml/engine/dom.h"
#include "vdxml/export.h"
#include "vdxml/records.h"
#include "vdxml/refcount.h"

/// The handle of one element: a counted element pointer (DOM back end and reading side) and
/// the nesting depth (streaming back end only). Empty when the pointer is null and depth 0.
class VDXML_API VDXML_ELEMENT {
  public:
    /// An empty handle.
    VDXML_ELEMENT() = default;
    /// A handle for a DOM element (null gives an empty handle).
    explicit VDXML_ELEMENT(IXMLDOMElementPtr element) : m_element(std::move(element)) {}
    /// A handle for a DOM node: empty when the node is not an element.
    static VDXML_ELEMENT FromNode(const IXMLDOMNodePtr& node);

    /// The DOM element, or null (always null for the streaming back end).
    const IXMLDOMElementPtr& Element() const { return m_element; }
    /// Points the handle to element.
    void SetElement(IXMLDOMElementPtr element) { m_element = std::move(element); }
    /// The nesting depth of a streamed element: 1 for the root element, 0 when not streamed.
    std::uint32_t Depth() const { return m_depth; }
    /// Sets the nesting depth (streaming back end).
    void SetDepth(std::uint32_t depth) { m_depth = depth; }
    /// True when the handle holds neither an element nor a depth.
    bool IsEmpty() const { return !m_element && m_depth == 0; }
    /// Releases the element pointer and sets the depth to 0.
    void Clear() {
        m_element = nullptr;
        m_depth = 0;
    }

  private:
    IXMLDOMElementPtr m_element;
    std::uint32_t m_depth = 0;
};

/// One output document's XML back end: DOM (held in memory, saved at the end) or
/// streaming (written front to back). Operations return statuses. The DOM back end turns the
/// engine's failures into statuses (SetProperty excepted); the streaming back end lets them
/// through as _com_error: an invalid name, or an output that fails (a full disk).
class VDXML_API IVdXmlDoc : public CVdXmlRefCount {
  public:
    /// The kind of back end.
    enum enmDocType {
        DOCTYPE_DOM = 0,    ///< the document is built in memory and written by Save
        DOCTYPE_STREAM = 1  ///< the document is written as it is built, depth-first
    };

    /// True when other is a back end of the same kind over the same engine object.
    virtual bool IsSameDocument(IVdXmlDoc* other) const = 0;
    /// The DOM document with a reference added; null for the streaming back end.
    virtual void GetDomDocument(IXMLDOMDocument2Ptr& out) const = 0;
    /// Creates the engine objects: the DOM document, or the SAX writer with its attribute
    /// collection, each by its versioned ProgID first.
    /// @return S_OK, or the object factory's failure (REGDB_E_CLASSNOTREG when the engine
    ///         object is not available)
    virtual long Create() = 0;
    /// Names the output file (a UTF-8 path). The DOM back end remembers it for Save; the
    /// streaming back end checks the target now (a missing folder fails here), opens the
    /// temporary file beside it that Save renames over it, and binds the writer to it.
    /// @return S_OK; E_FAIL for an empty name or before Create, and with the streaming back
    ///         end for a second call (also after a failed one); a file error (0x8007xxxx)
    virtual long SetFileName(const _bstr_t& name) = 0;
    /// S_OK when a name is set, else E_FAIL.
    virtual long GetFileName(_bstr_t& out) const = 0;
    /// DOCTYPE_DOM or DOCTYPE_STREAM.
    virtual enmDocType GetDocType() const = 0;
    /// A DOM selection property ("SelectionNamespaces" or "SelectionLanguage"); the streaming
    /// back end accepts and ignores any (S_OK).
    /// @return S_OK; E_FAIL before Create (DOM). Another property name raises
    ///         _com_error(E_INVALIDARG) from the DOM back end.
    virtual long SetProperty(const _bstr_t& name, const _variant_t& value) = 0;
    /// Appends a processing instruction (the XML declaration) to the document; the streaming
    /// back end starts the document with it, its writer's own declaration left out.
    /// @return S_OK; E_FAIL before Create; the engine's E_INVALIDARG for a bad target, data
    ///         holding "?>" or a declaration that does not parse (DOM)
    virtual long InsertProcessingInstruction(const _bstr_t& target, const _bstr_t& data) = 0;
    /// Appends element name (in namespaceURI, with attrs when not null; attributes without a
    /// name are skipped) as the last child of parent and hands its handle out. The streaming
    /// back end first ends every element opened after parent, so children must be written
    /// depth-first.
    /// @return S_OK; E_FAIL for a null, empty or ended parent, a null out or before Create;
    ///         the engine's E_INVALIDARG for a name that is not a qualified name (DOM)
    virtual long CreateElement(VDXML_ELEMENT* parent, const _bstr_t& name,
                               const _bstr_t& namespaceURI, const std::list<VDXML_ATTRIBUTE>* attrs,
                               VDXML_ELEMENT* out) = 0;
    /// Appends the document's root element and hands its handle out; as CreateElement. The
    /// streaming back end declares a non-empty namespaceURI by appending an "xmlns" attribute
    /// to attrs (the caller's list grows), and refuses a second root (E_FAIL).
    virtual long CreateRootElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                                   std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) = 0;
    /// Appends text to element.
    /// @return S_OK; E_FAIL for a null or empty element or before Create, and with the
    ///         streaming back end for any element but the one opened last
    virtual long InsertText(VDXML_ELEMENT* element, const _bstr_t& text) = 0;
    /// Checks its arguments; no back end writes comments.
    /// @return S_OK; E_FAIL for an empty text or an element without a DOM element (DOM), or
    ///         for an element with no element open below it (streaming), or before Create
    virtual long InsertComment(VDXML_ELEMENT* element, const _bstr_t& text) = 0;
    /// Binds element to an existing DOM node (DOM back end: a node that is not an element
    /// empties the handle); the streaming back end binds nothing.
    /// @return S_OK; E_FAIL for a null element or before Create (DOM), or when both element
    ///         and node are null (streaming)
    virtual long AssignNode(VDXML_ELEMENT* element, IXMLDOMNode* node) = 0;
    /// Writes the document to its file: the DOM back end saves it, the streaming back end ends
    /// every open element, flushes and closes. Either way the content goes to a temporary
    /// file beside the target that replaces it only once complete; on failure the target
    /// keeps its previous content. The streaming back end is finished afterwards: every
    /// later write fails, also when Save raised.
    /// @return S_OK; E_FAIL before Create, without a file name (DOM) or for a second Save of
    ///         a streamed document; a file error (0x8007xxxx), disk full among them
    virtual long Save() = 0;
};
