// The XML engine's streaming writer: a SAX content handler that serialises every call
// straight to an IStream. Calls that fail raise _com_error.
#pragma once

#include "vdxml/engine/stream.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/com_ptr.h"
#include "vdxml/platform/unknown.h"
#include "vdxml/platform/variant.h"

/// The attributes of one start tag, as the writer reads them. An index out of range raises
/// _com_error(E_INVALIDARG).
struct ISAXAttributes : IUnknown {
    static constexpr IID iid = {
        0xF078ABE1, 0x45D2, 0x4832, {0x91, 0xEA, 0x44, 0x66, 0xCE, 0x2F, 0x25, 0xC9}};
    /// The number of attributes.
    virtual int getLength() = 0;
    /// The qualified name of attribute index, or its local name when it was given none.
    virtual _bstr_t getQName(int index) = 0;
    /// The value of attribute index.
    virtual _bstr_t getValue(int index) = 0;
};

/// The attribute collection handed to startElement; reused for every element.
struct IMXAttributes : IUnknown {
    static constexpr IID iid = {
        0xF10D27CC, 0x3EC0, 0x415C, {0x8E, 0xD8, 0x77, 0xAB, 0x1C, 0x5E, 0x72, 0x62}};
    /// Removes every attribute, ready for the next element.
    virtual void clear() = 0;
    /// Appends an attribute. Only the qualified name (or, without one, the local name) and
    /// the value are written; uri and type are kept for the reader. Raises
    /// _com_error(E_INVALIDARG) when both names are empty.
    virtual void addAttribute(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                              const _bstr_t& type, const _bstr_t& value) = 0;
};

/// The content events of a document, serialised as they come. Nesting is not checked: the
/// caller ends every element it starts, innermost first. Every call raises
/// _com_error(E_UNEXPECTED) before the writer has an output, and the output's failure (a
/// full disk, say) once a write to it has failed.
struct ISAXContentHandler : IUnknown {
    static constexpr IID iid = {
        0x1545CDFA, 0x9E4E, 0x4497, {0xA8, 0xA4, 0x2B, 0xF7, 0xD0, 0x11, 0x2C, 0x44}};
    /// Writes the writer's own XML declaration, unless putOmitXMLDeclaration(true) was set.
    virtual void startDocument() = 0;
    /// Closes a start tag still waiting for its ">" and flushes; open elements stay open.
    virtual void endDocument() = 0;
    /// Target "xml" writes the declaration "<?xml" + data + "?>"; any other target gets a
    /// blank before non-empty data. Raises _com_error(E_INVALIDARG) for a target that is not
    /// an XML name or data holding "?>".
    virtual void processingInstruction(const _bstr_t& target, const _bstr_t& data) = 0;
    /// Writes a start tag named qName (localName when qName is empty) with attributes (null
    /// for none). uri is not written: a namespace is declared by an "xmlns" attribute. Raises
    /// _com_error(E_INVALIDARG) for an element or attribute name that is not a qualified name.
    virtual void startElement(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                              ISAXAttributes* attributes) = 0;
    /// Writes the end tag, or turns the start tag into "<name/>" when nothing was written
    /// since; the name is checked as for startElement.
    virtual void endElement(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName) = 0;
    /// Writes text as character data, escaped; empty text only closes a pending start tag.
    virtual void characters(const _bstr_t& text) = 0;
};

/// The comment events of a document.
struct ISAXLexicalHandler : IUnknown {
    static constexpr IID iid = {
        0x7F85D5F5, 0x47A8, 0x4497, {0xBD, 0xA5, 0x84, 0xBA, 0x04, 0x81, 0x9E, 0xA6}};
    /// Writes "<!--" + text + "-->". Raises _com_error(E_INVALIDARG) for text holding "--"
    /// or ending in "-".
    virtual void comment(const _bstr_t& text) = 0;
};

/// The writer object: it offers ISAXContentHandler and ISAXLexicalHandler too. Its output is
/// UTF-16 (little-endian, byte-order mark first), whatever a declaration says.
struct IMXWriter : IUnknown {
    static constexpr IID iid = {
        0x4D7FF4BA, 0x1565, 0x4EA8, {0x94, 0xE1, 0x6E, 0x72, 0x4A, 0x46, 0xF9, 0x8D}};
    /// The output: a VT_UNKNOWN variant holding an IStream; anything else raises
    /// _com_error(E_INVALIDARG). A previous output first gets what is still buffered for it,
    /// and its failure is raised here.
    virtual void putOutput(const _variant_t& destination) = 0;
    /// Indentation is not offered: true raises _com_error(E_NOTIMPL), false is accepted.
    virtual void putIndent(bool indent) = 0;
    /// Whether startDocument leaves out the writer's own declaration.
    virtual void putOmitXMLDeclaration(bool omit) = 0;
    /// Hands everything buffered to the output stream; raises the stream's failure.
    virtual void flush() = 0;
};

/// Counted pointers to the writer's interfaces.
using IMXWriterPtr = _com_ptr_t<IMXWriter>;
using IMXAttributesPtr = _com_ptr_t<IMXAttributes>;
using ISAXAttributesPtr = _com_ptr_t<ISAXAttributes>;
using ISAXContentHandlerPtr = _com_ptr_t<ISAXContentHandler>;
using ISAXLexicalHandlerPtr = _com_ptr_t<ISAXLexicalHandler>;
