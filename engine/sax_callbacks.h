// What the two streamed reads (plain and schema-validated) share inside libxml2's SAX
// callbacks: a handler's exceptions caught before they reach libxml2's C frames, and an
// attribute's value as the tree builder would store it.
#pragma once

#include <libxml/parser.h>

#include <exception>
#include <new>
#include <string>

#include "vdxml/platform/com_error.h"

namespace vdxml_engine {

/// What a handler raised instead of returning.
struct RaisedFailure {
    long status = S_OK;
    std::string reason;
};

/// Runs call; nothing may unwind through libxml2, so what it raises is caught and kept in
/// failure: a _com_error's status and message, E_OUTOFMEMORY for std::bad_alloc, E_FAIL with
/// what() for another std::exception.
/// @return false when call raised
template <class Call>
bool CallCatching(Call&& call, RaisedFailure& failure) {
    try {
        call();
        return true;
    } catch (const _com_error& e) {
        failure = {e.Error(), _bstr_t(e.ErrorMessage()).utf8()};
    } catch (const std::bad_alloc&) {
        failure = {E_OUTOFMEMORY, "out of memory"};
    } catch (const std::exception& e) {
        failure = {E_FAIL, e.what()};
    }
    return false;
}

/// An attribute value between value and end of a SAX2 start-element call as the tree builder
/// stores it: plain text when libxml2 left it in the document's buffer, otherwise parsed for
/// references, of which only the text counts.
std::string SaxAttributeValue(xmlParserCtxtPtr context, const xmlChar* value, const xmlChar* end);

}  // namespace vdxml_engine
