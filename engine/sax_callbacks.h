// What the two streamed reads (plain and schema-validated) share inside libxml2's SAX
// callbacks: a handler's exceptions caught before they reach libxml2's C frames, and an
// attribute's value as the tree builder would store it.
#pragma once

#include <libxml/SAX2.h>
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

/// The state of a streamed read (State: a struct with the parser context as "context" and the
/// lengths of the current runs of text as "textRun" and "cdataRun"), reached from the context's
/// _private. null for the contexts libxml2 opens of its own to parse an internal entity's
/// content on first use: their calls go to libxml2's tree builder.
template <class State>
State* OwnState(void* ctx) {
    auto* context = static_cast<xmlParserCtxtPtr>(ctx);
    auto* state = static_cast<State*>(context->_private);
    return state && state->context == context ? state : nullptr;
}

/// Comments, processing instructions and entity references end a run of text; neither read
/// shows them to its handler.
template <class State>
void EndRunAtComment(void* ctx, const xmlChar* text) {
    if (State* state = OwnState<State>(ctx)) return void(state->textRun = state->cdataRun = 0);
    xmlSAX2Comment(ctx, text);
}
template <class State>
void EndRunAtProcessingInstruction(void* ctx, const xmlChar* target, const xmlChar* data) {
    if (State* state = OwnState<State>(ctx)) return void(state->textRun = state->cdataRun = 0);
    xmlSAX2ProcessingInstruction(ctx, target, data);
}
template <class State>
void EndRunAtReference(void* ctx, const xmlChar* name) {
    if (State* state = OwnState<State>(ctx)) return void(state->textRun = state->cdataRun = 0);
    xmlSAX2Reference(ctx, name);
}

/// A streamed read's SAX2 handlers: its own for elements and texts (whitespace counts as
/// text), the three above for State, and libxml2's tree builder for everything else, so that
/// the document node and its DTD (entity declarations among them) are built as in a DOM load.
template <class State>
xmlSAXHandler StreamHandlers(startElementNsSAX2Func start, endElementNsSAX2Func end,
                             charactersSAXFunc characters, cdataBlockSAXFunc cdata) {
    xmlSAXHandler sax{};
    xmlSAXVersion(&sax, 2);
    sax.startElementNs = start;
    sax.endElementNs = end;
    sax.characters = sax.ignorableWhitespace = characters;
    sax.cdataBlock = cdata;
    sax.comment = EndRunAtComment<State>;
    sax.processingInstruction = EndRunAtProcessingInstruction<State>;
    sax.reference = EndRunAtReference<State>;
    return sax;
}

}  // namespace vdxml_engine
