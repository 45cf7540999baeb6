// The back-end interface through which every write reaches the XML engine, and the handle
// of one written (or read) element.
#pragma once

#include <cstdint>
#include <list>

#include "vdxml/engine/dom.h"
#include "vdxml/records.h"
#include "vdxml/refcount.h"

/// The handle of one element: a counted element pointer (DOM back end and reading side) and
/// the nesting depth (streaming back end only). Empty when the pointer is null and depth 0.
class VDXML_ELEMENT {
  public:
    VDXML_ELEMENT() = default;
    explicit VDXML_ELEMENT(IXMLDOMElementPtr element) : m_element(std::move(element)) {}
    /// A handle for a DOM node: empty when the node is not an element.
    static VDXML_ELEMENT FromNode(const IXMLDOMNodePtr& node);

    const IXMLDOMElementPtr& Element() const { return m_element; }
    void SetElement(IXMLDOMElementPtr element) { m_element = std::move(element); }
    std::uint32_t Depth() const { return m_depth; }
    void SetDepth(std::uint32_t depth) { m_depth = depth; }
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
/// streaming (written front to back). Operations return statuses.
class IVdXmlDoc : public CVdXmlRefCount {
  public:
    enum enmDocType { DOCTYPE_DOM = 0, DOCTYPE_STREAM = 1 };

    /// True when other is a back end of the same kind over the same engine object.
    virtual bool IsSameDocument(IVdXmlDoc* other) const = 0;
    /// The DOM document with a reference added; null for the streaming back end.
    virtual void GetDomDocument(IXMLDOMDocument2Ptr& out) const = 0;
    virtual long Create() = 0;
    virtual long SetFileName(const _bstr_t& name) = 0;
    /// S_OK when a name is set, else E_FAIL.
    virtual long GetFileName(_bstr_t& out) const = 0;
    virtual enmDocType GetDocType() const = 0;
    virtual long SetProperty(const _bstr_t& name, const _variant_t& value) = 0;
    virtual long InsertProcessingInstruction(const _bstr_t& target, const _bstr_t& data) = 0;
    virtual long CreateElement(VDXML_ELEMENT* parent, const _bstr_t& name,
                               const _bstr_t& namespaceURI, const std::list<VDXML_ATTRIBUTE>* attrs,
                               VDXML_ELEMENT* out) = 0;
    virtual long CreateRootElement(const _bstr_t& name, const _bstr_t& namespaceURI,
                                   std::list<VDXML_ATTRIBUTE>* attrs, VDXML_ELEMENT* out) = 0;
    virtual long InsertText(VDXML_ELEMENT* element, const _bstr_t& text) = 0;
    /// Checks its arguments; no back end writes comments.
    virtual long InsertComment(VDXML_ELEMENT* element, const _bstr_t& text) = 0;
    virtual long AssignNode(VDXML_ELEMENT* element, IXMLDOMNode* node) = 0;
    virtual long Save() = 0;
};
