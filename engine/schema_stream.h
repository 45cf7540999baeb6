// Validating a file against a W3C XML Schema while it is read front to back, in memory bounded
// by its nesting depth, under the same protections as every load (no network, no external
// entities, no DTD loading). The schema has no target namespace: the namespace of the file's
// root element is validated as the schema's own, so that one schema serves every namespace a
// writer may choose; elements of other namespaces (or of none, below a root that has one) are
// not the schema's. The reader is told every element, text and fault as it comes.
//
// New code of the engine layer, written in the namespace's new name vdxml_engine; the
// engine's existing parts are still in vdxml_engine.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/xml_stream.h"
#include "vdxml/engine/dom.h"

namespace vdxml_engine {

/// What a schema says about one of its named simple types, for messages about a value.
struct SimpleTypeFacts {
    std::string base;                       ///< the type it restricts or extends ("xs:int")
    std::string phrase;                     ///< its xs:appinfo: how a message names it
    std::vector<std::string> patterns;      ///< its pattern facets
    std::vector<std::string> enumerations;  ///< its enumerated values in schema order
    std::string minInclusive;               ///< its lower bound, when it has one
};

/// A compiled schema without a target namespace, with what its text declares.
class CompiledSchema {
  public:
    CompiledSchema();
    ~CompiledSchema();
    CompiledSchema(const CompiledSchema&) = delete;
    CompiledSchema& operator=(const CompiledSchema&) = delete;

    /// Compiles the schema's text; false with reason filled when it does not compile. The
    /// text may load nothing else (no includes, no imports).
    bool Compile(std::string_view xsd, std::string& reason);
    bool IsCompiled() const;

    /// Every element name the schema declares, with the named types it declares it with.
    const std::map<std::string, std::set<std::string>>& ElementTypes() const { return m_elements; }
    /// The named simple types; a complex type with simple content appears under its own name
    /// with the facts of the simple type it extends.
    const std::map<std::string, SimpleTypeFacts>& SimpleTypes() const { return m_simpleTypes; }

    /// libxml2's compiled schema and the document it was compiled from.
    struct Compiled;
    const Compiled* Get() const { return m_compiled.get(); }

  private:
    std::unique_ptr<Compiled> m_compiled;
    std::map<std::string, std::set<std::string>> m_elements;
    std::map<std::string, SimpleTypeFacts> m_simpleTypes;
};

/// One attribute of an element as written.
struct AttributeText {
    std::string_view localName;
    std::string_view namespaceUri;  ///< empty when the attribute has no namespace
    std::string_view value;
};

/// What a fault the schema finds is about.
enum class SchemaFaultKind {
    Value,      ///< the text of an element (found when the element ends)
    Root,       ///< the root element is none the schema declares
    Structure,  ///< the children, text or attributes of an element
};

/// Receives a validated read. Each call may raise (std::exception, _com_error): the read then
/// stops and fails with that status.
class SchemaEvents {
  public:
    /// An element opens. prefix is empty when it has none; namespaceUri is empty when it is in
    /// no namespace; isDateTime tells whether it carries the date-time data type as the readers
    /// see it; line and column are where its start tag ends.
    virtual void StartElement(std::string_view localName, std::string_view prefix,
                              std::string_view namespaceUri,
                              const std::vector<AttributeText>& attributes, bool isDateTime,
                              long line, long column) = 0;
    /// Text or CDATA directly inside the innermost open element, possibly in several calls.
    virtual void Text(std::string_view utf8) = 0;
    /// The innermost open element closes.
    virtual void EndElement() = 0;
    /// The schema finds a fault in the innermost open element (or, for a child element where
    /// only text belongs, in its parent): at its start tag, in its attributes or, at its end
    /// (before EndElement), in its content. message is libxml2's text ("Element 'E': ...")
    /// without its line break.
    virtual void SchemaFault(SchemaFaultKind kind, std::string_view message) = 0;

  protected:
    ~SchemaEvents() = default;
};

/// Reads the file at path (UTF-8), validates it against schema and reports it to events. A file
/// that cannot be opened or read or is not well-formed ends as Failed with error filled (as
/// vdxml_engine::StreamFile fills it), after the events up to the fault; a call of events that
/// raised ends it as Failed with the raised status. A schema that is not compiled fails at once
/// with E_FAIL.
vdxml_engine::StreamEnd ValidateFileStream(const std::string& path, const CompiledSchema& schema,
                                           SchemaEvents& events, XmlParseError& error);

}  // namespace vdxml_engine
