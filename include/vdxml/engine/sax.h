// The XML engine's streaming writer: a SAX content handler that serialises every call
// straight to an IStream. Calls that fail raise _com_error.
#pragma once

#include "vdxml/engine/stream.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/com_ptr.h"
#include "vdxml/platform/unknown.h"
#include "vdxml/platform/variant.h"

struct ISAXAttributes : IUnknown {
    static constexpr IID iid = {
        0xF078ABE1, 0x45D2, 0x4832, {0x91, 0xEA, 0x44, 0x66, 0xCE, 0x2F, 0x25, 0xC9}};
    virtual int getLength() = 0;
    virtual _bstr_t getQName(int index) = 0;
    virtual _bstr_t getValue(int index) = 0;
};

/// The attribute collection handed to startElement; reused for every element.
struct IMXAttributes : IUnknown {
    static constexpr IID iid = {
        0xF10D27CC, 0x3EC0, 0x415C, {0x8E, 0xD8, 0x77, 0xAB, 0x1C, 0x5E, 0x72, 0x62}};
    virtual void clear() = 0;
    virtual void addAttribute(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                              const _bstr_t& type, const _bstr_t& value) = 0;
};

struct ISAXContentHandler : IUnknown {
    static constexpr IID iid = {
        0x1545CDFA, 0x9E4E, 0x4497, {0xA8, 0xA4, 0x2B, 0xF7, 0xD0, 0x11, 0x2C, 0x44}};
    virtual void startDocument() = 0;
    virtual void endDocument() = 0;
    /// Target "xml" writes the declaration "<?xml" + data + "?>".
    virtual void processingInstruction(const _bstr_t& target, const _bstr_t& data) = 0;
    virtual void startElement(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                              ISAXAttributes* attributes) = 0;
    virtual void endElement(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName) = 0;
    virtual void characters(const _bstr_t& text) = 0;
};

struct ISAXLexicalHandler : IUnknown {
    static constexpr IID iid = {
        0x7F85D5F5, 0x47A8, 0x4497, {0xBD, 0xA5, 0x84, 0xBA, 0x04, 0x81, 0x9E, 0xA6}};
    virtual void comment(const _bstr_t& text) = 0;
};

/// The writer object: it offers ISAXContentHandler and ISAXLexicalHandler too.
struct IMXWriter : IUnknown {
    static constexpr IID iid = {
        0x4D7FF4BA, 0x1565, 0x4EA8, {0x94, 0xE1, 0x6E, 0x72, 0x4A, 0x46, 0xF9, 0x8D}};
    /// The output: a VT_UNKNOWN variant holding an IStream.
    virtual void putOutput(const _variant_t& destination) = 0;
    virtual void putIndent(bool indent) = 0;
    virtual void putOmitXMLDeclaration(bool omit) = 0;
    /// Hands everything buffered to the output stream.
    virtual void flush() = 0;
};

using IMXWriterPtr = _com_ptr_t<IMXWriter>;
using IMXAttributesPtr = _com_ptr_t<IMXAttributes>;
using ISAXAttributesPtr = _com_ptr_t<ISAXAttributes>;
using ISAXContentHandlerPtr = _com_ptr_t<ISAXContentHandler>;
using ISAXLexicalHandlerPtr = _com_ptr_t<ISAXLexicalHandler>;
