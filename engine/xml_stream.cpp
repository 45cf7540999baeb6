#include "engine/xml_stream.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>


#include "engine/dom_text.h"
#include "engine/error_capture.h"
#include "engine/file_input.h"
#include "engine/libxml_setup.h"
#include "engine/sax_callbacks.h"
#include "engine/xml_parse.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

// The tree builder refuses a text node that grows beyond libxml2's text limit; a streamed read
// refuses the same run of text.
constexpr std::size_t kMaxTextRun = XML_MAX_TEXT_LENGTH;

// The state of one streamed read, reached from the parser context's _private. libxml2 also
// runs these callbacks while it parses the content of an internal entity on first use, with a
// context of its own: those calls go to libxml2's tree builder, as in a DOM load, so the
// entity is checked and kept exactly as the DOM load keeps it, and none of it reaches the
// handler (a DOM shows an entity reference, never its content, as text or elements).
struct StreamState {
    xmlParserCtxtPtr context = nullptr;
    XmlEventHandler* handler = nullptr;
    bool stopped = false;
    bool textTooLong = false;
    RaisedFailure raised;      // what a handler raised instead of returning
    std::size_t textRun = 0;   // length of the current run of plain text
    std::size_t cdataRun = 0;  // length of the current run of CDATA
    std::string qname;
};

void Stop(StreamState& state) {
    state.stopped = true;
    xmlStopParser(state.context);
}

// Runs a handler's call: false from it, or anything it raises, stops the read.
template <class Call>
void Deliver(StreamState& state, Call call) {
    bool goOn = true;
    if (!CallCatching([&] { goOn = call(); }, state.raised) || !goOn) Stop(state);
}

// Attributes defaulted by the document's DTD are not in the tree, so they do not count.
int SpecifiedCount(xmlParserCtxtPtr context, int count, int defaulted) {
    return defaulted > 0 && (context->loadsubset & XML_COMPLETE_ATTRS) == 0 ? count - defaulted
                                                                            : count;
}

// The first "dt" attribute in the data-types namespace decides, as it does for a typed value.
bool IsDateTime(xmlParserCtxtPtr context, int count, int defaulted, const xmlChar** attributes) {
    static const std::string dataTypes = WideToUtf8(kDataTypesNamespace);
    count = SpecifiedCount(context, count, defaulted);
    for (int i = 0; i < count; ++i) {
        const xmlChar** a = attributes + 5 * i;
        if (!a[2] || !xmlStrEqual(a[0], BAD_CAST "dt") || dataTypes != AsChars(a[2])) continue;
        const std::string type = SaxAttributeValue(context, a[3], a[4]);
        return xmlStrcasecmp(AsXml(type), BAD_CAST "datetime") == 0;
    }
    return false;
}

void OnStartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri,
                    int nsCount, const xmlChar** namespaces, int count, int defaulted,
                    const xmlChar** attributes) {
    StreamState* state = OwnState<StreamState>(ctx);
    if (!state)
        return xmlSAX2StartElementNs(ctx, localname, prefix, uri, nsCount, namespaces, count,
                                     defaulted, attributes);
    if (state->stopped) return;
    state->textRun = state->cdataRun = 0;
    state->qname.clear();
    if (prefix) state->qname.append(AsChars(prefix)).append(1, ':');
    state->qname.append(AsChars(localname));
    const XmlAttributes view(state->context, attributes,
                             SpecifiedCount(state->context, count, defaulted), uri);
    Deliver(*state, [&] {
        return state->handler->StartElement(
            state->qname, IsDateTime(state->context, count, defaulted, attributes),
            xmlSAX2GetLineNumber(state->context), view);
    });
}

void OnEndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri) {
    StreamState* state = OwnState<StreamState>(ctx);
    if (!state) return xmlSAX2EndElementNs(ctx, localname, prefix, uri);
    if (state->stopped) return;
    state->textRun = state->cdataRun = 0;
    Deliver(*state, [&] { return state->handler->EndElement(); });
}

void DeliverText(StreamState& state, const xmlChar* text, int length, std::size_t& run,
                 std::size_t& otherRun) {
    otherRun = 0;
    run += static_cast<std::size_t>(length);
    if (run > kMaxTextRun) {
        state.textTooLong = true;
        return Stop(state);
    }
    Deliver(state, [&] {
        return state.handler->Text(
            std::string_view(AsChars(text), static_cast<std::size_t>(length)));
    });
}

void OnCharacters(void* ctx, const xmlChar* text, int length) {
    StreamState* state = OwnState<StreamState>(ctx);
    if (!state) return xmlSAX2Characters(ctx, text, length);
    if (!state->stopped) DeliverText(*state, text, length, state->textRun, state->cdataRun);
}

void OnCData(void* ctx, const xmlChar* text, int length) {
    StreamState* state = OwnState<StreamState>(ctx);
    if (!state) return xmlSAX2CDataBlock(ctx, text, length);
    if (!state->stopped) DeliverText(*state, text, length, state->cdataRun, state->textRun);
}

}  // namespace

bool XmlAttributes::Find(std::string_view localName, std::string& value) const {
    for (int i = 0; i < m_count; ++i) {
        const xmlChar** a = m_attributes + 5 * i;
        if (a[2] || localName != AsChars(a[0])) continue;
        value = SaxAttributeValue(static_cast<xmlParserCtxtPtr>(m_context), a[3], a[4]);
        return true;
    }
    return false;
}

StreamEnd StreamFile(const std::string& path, XmlEventHandler& handler, XmlParseError& error) {
    FileInput input;
    if (!input.Open(path, error)) return StreamEnd::Failed;
    ExternalLoadBlock block;
    ErrorCapture capture;
    xmlSAXHandler sax =
        StreamHandlers<StreamState>(OnStartElement, OnEndElement, OnCharacters, OnCData);
    StreamState state;
    state.handler = &handler;
    state.context = input.CreateContext(&sax, nullptr);
    if (!state.context) {
        ReportParseFailure(capture, false, error);
        return StreamEnd::Failed;
    }
    ApplyParseProtections(state.context);
    state.context->_private = &state;
    xmlParseDocument(state.context);
    const bool wellFormed = state.context->wellFormed != 0;
    if (state.context->myDoc) xmlFreeDoc(state.context->myDoc);
    state.context->myDoc = nullptr;
    xmlFreeParserCtxt(state.context);

    if (FAILED(state.raised.status)) {
        error.errorCode = state.raised.status;
        error.line = error.linepos = 0;
        error.reason = FromUtf8(state.raised.reason);
        return StreamEnd::Failed;
    }
    if (state.textTooLong) {
        error.errorCode = ParseErrorStatus(XML_ERR_NO_MEMORY);
        error.line = error.linepos = 0;
        error.reason = _bstr_t(L"a text is longer than 10000000 bytes");
        return StreamEnd::Failed;
    }
    if (state.stopped) return StreamEnd::Stopped;
    if (input.ReadFailed(error)) return StreamEnd::Failed;
    if (!wellFormed) {
        ReportParseFailure(capture, true, error);
        return StreamEnd::Failed;
    }
    error = XmlParseError();
    return StreamEnd::Complete;
}

}  // namespace vdxml_engine
