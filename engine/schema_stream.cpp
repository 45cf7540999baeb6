#include "engine/schema_stream.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlschemas.h>

#include <climits>

#include "engine/error_capture.h"
#include "engine/file_input.h"
#include "engine/libxml_setup.h"
#include "engine/sax_callbacks.h"
#include "engine/xml_parse.h"
#include "engine/xml_text.h"

namespace vdxml_engine {

using vdxml_engine::AsChars;
using vdxml_engine::AsXml;
using vdxml_engine::StreamEnd;

struct CompiledSchema::Compiled {
    xmlDocPtr doc = nullptr;
    xmlSchemaPtr schema = nullptr;
    ~Compiled() {
        if (schema) xmlSchemaFree(schema);
        if (doc) xmlFreeDoc(doc);
    }
};

namespace {

constexpr const char kXsd[] = "http://www.w3.org/2001/XMLSchema";

bool IsXsd(xmlNodePtr node, const char* name) {
    return node->type == XML_ELEMENT_NODE && node->ns &&
           xmlStrEqual(node->ns->href, BAD_CAST kXsd) && xmlStrEqual(node->name, BAD_CAST name);
}

std::string Attribute(xmlNodePtr node, const char* name) {
    xmlChar* value = xmlGetNoNsProp(node, BAD_CAST name);
    std::string text = value ? AsChars(value) : "";
    xmlFree(value);
    return text;
}

std::string Content(xmlNodePtr node) {
    xmlChar* value = xmlNodeGetContent(node);
    std::string text = value ? AsChars(value) : "";
    xmlFree(value);
    return text;
}

// The facts of a named simple type: its appinfo phrase and the facets of its restriction.
SimpleTypeFacts SimpleTypeOf(xmlNodePtr type) {
    SimpleTypeFacts facts;
    for (xmlNodePtr part = type->children; part; part = part->next) {
        if (IsXsd(part, "annotation")) {
            for (xmlNodePtr note = part->children; note; note = note->next)
                if (IsXsd(note, "appinfo")) facts.phrase = Content(note);
        } else if (IsXsd(part, "restriction")) {
            facts.base = Attribute(part, "base");
            for (xmlNodePtr facet = part->children; facet; facet = facet->next) {
                if (IsXsd(facet, "pattern"))
                    facts.patterns.push_back(Attribute(facet, "value"));
                else if (IsXsd(facet, "enumeration"))
                    facts.enumerations.push_back(Attribute(facet, "value"));
                else if (IsXsd(facet, "minInclusive"))
                    facts.minInclusive = Attribute(facet, "value");
            }
        }
    }
    return facts;
}

// The simple type a complex type with simple content extends, or empty.
std::string SimpleContentBase(xmlNodePtr type) {
    for (xmlNodePtr part = type->children; part; part = part->next) {
        if (!IsXsd(part, "simpleContent")) continue;
        for (xmlNodePtr derivation = part->children; derivation; derivation = derivation->next)
            if (IsXsd(derivation, "extension") || IsXsd(derivation, "restriction"))
                return Attribute(derivation, "base");
    }
    return "";
}

// Collects the declarations below node (iteratively: a schema's depth is its own).
void Collect(xmlNodePtr root, std::map<std::string, std::set<std::string>>& elements,
             std::map<std::string, SimpleTypeFacts>& simpleTypes,
             std::map<std::string, std::string>& extensions) {
    std::vector<xmlNodePtr> pending{root};
    while (!pending.empty()) {
        xmlNodePtr node = pending.back();
        pending.pop_back();
        if (IsXsd(node, "element") && xmlHasProp(node, BAD_CAST "name"))
            elements[Attribute(node, "name")].insert(Attribute(node, "type"));
        else if (IsXsd(node, "simpleType") && xmlHasProp(node, BAD_CAST "name"))
            simpleTypes[Attribute(node, "name")] = SimpleTypeOf(node);
        else if (IsXsd(node, "complexType") && xmlHasProp(node, BAD_CAST "name")) {
            const std::string base = SimpleContentBase(node);
            if (!base.empty()) extensions[Attribute(node, "name")] = base;
        }
        for (xmlNodePtr child = node->children; child; child = child->next)
            if (child->type == XML_ELEMENT_NODE) pending.push_back(child);
    }
}

}  // namespace

CompiledSchema::CompiledSchema() = default;
CompiledSchema::~CompiledSchema() = default;

bool CompiledSchema::IsCompiled() const { return m_compiled && m_compiled->schema; }

bool CompiledSchema::Compile(std::string_view xsd, std::string& reason) {
    m_compiled.reset();
    m_elements.clear();
    m_simpleTypes.clear();
    if (xsd.size() > static_cast<std::size_t>(INT_MAX)) {
        reason = "the schema is too long";
        return false;
    }
    vdxml_engine::ExternalLoadBlock block;
    vdxml_engine::ErrorCapture capture;
    auto compiled = std::make_unique<Compiled>();
    compiled->doc = xmlReadMemory(xsd.data(), static_cast<int>(xsd.size()), "vdxml.xsd", nullptr,
                                  XML_PARSE_NONET);
    if (!compiled->doc) {
        reason = capture.HasError() ? capture.Message() : "the schema cannot be parsed";
        return false;
    }
    // Read before compiling: the compiler may change the document.
    std::map<std::string, std::string> extensions;
    Collect(xmlDocGetRootElement(compiled->doc), m_elements, m_simpleTypes, extensions);
    for (const auto& [name, base] : extensions) {
        const auto known = m_simpleTypes.find(base);
        if (known == m_simpleTypes.end()) continue;
        SimpleTypeFacts facts = known->second;
        facts.base = base;
        m_simpleTypes[name] = facts;
    }
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewDocParserCtxt(compiled->doc);
    if (!parser) {
        reason = "out of memory";
        return false;
    }
    compiled->schema = xmlSchemaParse(parser);
    xmlSchemaFreeParserCtxt(parser);
    if (!compiled->schema) {
        reason = capture.HasError() ? capture.Message() : "the schema does not compile";
        return false;
    }
    m_compiled = std::move(compiled);
    return true;
}

namespace {

// A run of text longer than libxml2's limit for one text node stops the read, as it does for
// every streamed read: the validator keeps an element's text until the element ends.
constexpr std::size_t kMaxTextRun = XML_MAX_TEXT_LENGTH;

// The state of one validated read, reached from the parser context's _private. Internal
// entities are parsed on first use with a context of their own; those calls go to libxml2's
// tree builder, as in every streamed read, and neither to the validator nor to the reader.
struct RunState {
    xmlParserCtxtPtr context = nullptr;
    SchemaEvents* events = nullptr;
    xmlSAXHandlerPtr schemaSax = nullptr;  // the validator's own handlers
    void* schemaData = nullptr;
    bool rootSeen = false;
    bool rootHasNamespace = false;
    std::string rootNamespace;
    bool stopped = false;
    bool textTooLong = false;
    RaisedFailure raised;  // what the reader raised instead of returning
    std::size_t textRun = 0, cdataRun = 0;
    // Text held back from the validator until the run ends: libxml2 appends each piece it is
    // given to the element's value with a reallocation, so a long run handed over in the
    // parser's small pieces would be copied over and over.
    std::string schemaText;
    charactersSAXFunc schemaTextTo = nullptr;
    std::vector<std::string> values;  // the attribute values of the element opening
    std::vector<AttributeText> attributes;
    std::vector<const xmlChar*> schemaAttributes;  // its attributes as the validator sees them
};

// The validator reports through a callback without a context of ours.
thread_local RunState* t_run = nullptr;

void Stop(RunState& state) {
    state.stopped = true;
    xmlStopParser(state.context);
}

// Runs a call of the reader; anything it raises stops the read.
template <class Call>
void Deliver(RunState& state, Call call) {
    if (!CallCatching(call, state.raised)) Stop(state);
}

// Whether the first "dt" attribute in the data-types namespace says "datetime", as the
// readers decide it.
bool IsDateTime(const std::vector<AttributeText>& attributes) {
    static const std::string dataTypes = WideToUtf8(kDataTypesNamespace);
    for (const AttributeText& a : attributes) {
        if (a.localName != "dt" || a.namespaceUri != dataTypes) continue;
        const std::string value(a.value);
        return xmlStrcasecmp(AsXml(value), BAD_CAST "datetime") == 0;
    }
    return false;
}

// The namespace the validator sees: the root element's namespace is the schema's, which has
// none; below a root that has one, an element without a namespace is not the schema's either.
const xmlChar* SchemaNamespace(const RunState& state, const xmlChar* uri) {
    static const xmlChar kNone[] = "(none)";
    if (!state.rootHasNamespace) return uri;
    if (!uri) return kNone;
    return state.rootNamespace == AsChars(uri) ? nullptr : uri;
}

// Hands the text held back to the validator.
void FlushSchemaText(RunState& state) {
    if (state.schemaText.empty()) return;
    state.schemaTextTo(state.schemaData, reinterpret_cast<const xmlChar*>(state.schemaText.data()),
                       static_cast<int>(state.schemaText.size()));
    state.schemaText.clear();
}

void OnStartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri,
                    int nsCount, const xmlChar** namespaces, int count, int defaulted,
                    const xmlChar** attributes) {
    RunState* state = OwnState<RunState>(ctx);
    if (!state)
        return xmlSAX2StartElementNs(ctx, localname, prefix, uri, nsCount, namespaces, count,
                                     defaulted, attributes);
    if (state->stopped) return;
    FlushSchemaText(*state);
    state->textRun = state->cdataRun = 0;
    if (!state->rootSeen) {
        state->rootSeen = true;
        state->rootHasNamespace = uri != nullptr;
        state->rootNamespace = uri ? AsChars(uri) : "";
    }
    // Attributes defaulted by the document's DTD are not in the tree, so they do not count.
    if (defaulted > 0 && (state->context->loadsubset & XML_COMPLETE_ATTRS) == 0) count -= defaulted;
    state->values.resize(static_cast<std::size_t>(count));
    state->attributes.clear();
    for (int i = 0; i < count; ++i) {
        const xmlChar** a = attributes + 5 * i;
        state->values[i] = SaxAttributeValue(state->context, a[3], a[4]);
        state->attributes.push_back({AsChars(a[0]), a[2] ? AsChars(a[2]) : "", state->values[i]});
    }
    const long line = xmlSAX2GetLineNumber(state->context);
    const long column = xmlSAX2GetColumnNumber(state->context);
    Deliver(*state, [&] {
        state->events->StartElement(AsChars(localname), prefix ? AsChars(prefix) : "",
                                    uri ? AsChars(uri) : "", state->attributes,
                                    IsDateTime(state->attributes), line, column);
    });
    if (state->stopped) return;
    state->schemaAttributes.assign(attributes, attributes + 5 * count);
    // An attribute without a prefix is in no namespace whatever its element's is.
    for (int i = 0; i < count; ++i)
        if (attributes[5 * i + 2])
            state->schemaAttributes[5 * i + 2] = SchemaNamespace(*state, attributes[5 * i + 2]);
    state->schemaSax->startElementNs(state->schemaData, localname, prefix,
                                     SchemaNamespace(*state, uri), nsCount, namespaces, count, 0,
                                     state->schemaAttributes.data());
}

void OnEndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix, const xmlChar* uri) {
    RunState* state = OwnState<RunState>(ctx);
    if (!state) return xmlSAX2EndElementNs(ctx, localname, prefix, uri);
    if (state->stopped) return;
    state->textRun = state->cdataRun = 0;
    FlushSchemaText(*state);
    // The validator first: the faults it finds at the end concern the element still open.
    state->schemaSax->endElementNs(state->schemaData, localname, prefix,
                                   SchemaNamespace(*state, uri));
    if (!state->stopped) Deliver(*state, [&] { state->events->EndElement(); });
}

// Text to the reader and then to the validator, within the limit of one run.
void DeliverText(RunState& state, const xmlChar* text, int length, std::size_t& run,
                 std::size_t& otherRun, charactersSAXFunc toSchema) {
    otherRun = 0;
    run += static_cast<std::size_t>(length);
    if (run > kMaxTextRun) {
        state.textTooLong = true;
        return Stop(state);
    }
    Deliver(state, [&] {
        state.events->Text(std::string_view(AsChars(text), static_cast<std::size_t>(length)));
    });
    if (state.stopped) return;
    if (state.schemaTextTo != toSchema) FlushSchemaText(state);
    state.schemaTextTo = toSchema;
    state.schemaText.append(AsChars(text), static_cast<std::size_t>(length));
}

void OnCharacters(void* ctx, const xmlChar* text, int length) {
    RunState* state = OwnState<RunState>(ctx);
    if (!state) return xmlSAX2Characters(ctx, text, length);
    if (!state->stopped)
        DeliverText(*state, text, length, state->textRun, state->cdataRun,
                    state->schemaSax->characters);
}

void OnCData(void* ctx, const xmlChar* text, int length) {
    RunState* state = OwnState<RunState>(ctx);
    if (!state) return xmlSAX2CDataBlock(ctx, text, length);
    if (!state->stopped)
        DeliverText(*state, text, length, state->cdataRun, state->textRun,
                    state->schemaSax->cdataBlock);
}

void OnSchemaError(void*, xmlErrorPtr error) {
    RunState* state = t_run;
    if (!state || !error || state->stopped || error->level < XML_ERR_ERROR) return;
    std::string message = error->message ? error->message : "";
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    // A value is not of its simple type (1824 to 1826) or breaks one of its facets (1829 to
    // 1840); 1827 and 1828 are about attributes or elements inside an element of simple type.
    const int code = error->code;
    SchemaFaultKind kind = SchemaFaultKind::Structure;
    if (code == XML_SCHEMAV_CVC_ELT_1)
        kind = SchemaFaultKind::Root;
    else if ((code >= XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_1 &&
              code <= XML_SCHEMAV_CVC_DATATYPE_VALID_1_2_3) ||
             (code >= XML_SCHEMAV_CVC_FACET_VALID && code <= XML_SCHEMAV_CVC_ENUMERATION_VALID))
        kind = SchemaFaultKind::Value;
    Deliver(*state, [&] { state->events->SchemaFault(kind, message); });
}

// The validation context plugged for a SAX stream, released in order.
class Validator {
  public:
    explicit Validator(xmlSchemaPtr schema) : m_context(xmlSchemaNewValidCtxt(schema)) {
        if (!m_context) return;
        xmlSchemaSetValidStructuredErrors(m_context, OnSchemaError, nullptr);
        // Without handlers of our own the plug hands out the validator's handlers directly.
        m_plug = xmlSchemaSAXPlug(m_context, &m_sax, &m_data);
    }
    ~Validator() {
        if (m_plug) xmlSchemaSAXUnplug(m_plug);
        if (m_context) xmlSchemaFreeValidCtxt(m_context);
    }
    Validator(const Validator&) = delete;
    Validator& operator=(const Validator&) = delete;
    bool Ready() const { return m_plug != nullptr; }
    xmlSAXHandlerPtr Handlers() const { return m_sax; }
    void* Data() const { return m_data; }

  private:
    xmlSchemaValidCtxtPtr m_context;
    xmlSchemaSAXPlugPtr m_plug = nullptr;
    xmlSAXHandlerPtr m_sax = nullptr;  // the plug writes it back when unplugged
    void* m_data = nullptr;
};

void Fail(XmlParseError& error, long status, const char* reason) {
    error.errorCode = status;
    error.line = error.linepos = 0;
    error.reason = vdxml_engine::FromUtf8(reason);
}

}  // namespace

StreamEnd ValidateFileStream(const std::string& path, const CompiledSchema& schema,
                             SchemaEvents& events, XmlParseError& error) {
    if (!schema.IsCompiled()) {
        Fail(error, E_FAIL, "the schema is not compiled");
        return StreamEnd::Failed;
    }
    vdxml_engine::FileInput input;
    if (!input.Open(path, error)) return StreamEnd::Failed;
    vdxml_engine::ExternalLoadBlock block;
    vdxml_engine::ErrorCapture capture;
    Validator validator(schema.Get()->schema);
    if (!validator.Ready()) {
        Fail(error, E_OUTOFMEMORY, "out of memory");
        return StreamEnd::Failed;
    }
    xmlSAXHandler sax =
        StreamHandlers<RunState>(OnStartElement, OnEndElement, OnCharacters, OnCData);
    RunState state;
    state.events = &events;
    state.schemaSax = validator.Handlers();
    state.schemaData = validator.Data();
    state.context = input.CreateContext(&sax, nullptr);
    if (!state.context) {
        vdxml_engine::ReportParseFailure(capture, false, error);
        return StreamEnd::Failed;
    }
    vdxml_engine::ApplyParseProtections(state.context);
    state.context->_private = &state;
    RunState* outer = t_run;
    t_run = &state;
    xmlParseDocument(state.context);
    t_run = outer;
    const bool wellFormed = state.context->wellFormed != 0;
    if (state.context->myDoc) xmlFreeDoc(state.context->myDoc);
    state.context->myDoc = nullptr;
    xmlFreeParserCtxt(state.context);

    if (FAILED(state.raised.status)) {
        Fail(error, state.raised.status, state.raised.reason.c_str());
        return StreamEnd::Failed;
    }
    if (state.textTooLong) {
        Fail(error, vdxml_engine::ParseErrorStatus(XML_ERR_NO_MEMORY),
             "a text is longer than 10000000 bytes");
        return StreamEnd::Failed;
    }
    if (state.stopped) return StreamEnd::Stopped;
    if (input.ReadFailed(error)) return StreamEnd::Failed;
    if (!wellFormed) {
        vdxml_engine::ReportParseFailure(capture, true, error);
        return StreamEnd::Failed;
    }
    error = XmlParseError();
    return StreamEnd::Complete;
}

}  // namespace vdxml_engine
