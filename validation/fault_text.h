// The schema's faults in plain words. libxml2 reports a fault as a code and an English text
// naming schema constructs ("[facet 'pattern'] The value '12,5' is not accepted by the pattern
// ..."); a finding says instead which element holds what and what it should hold ("element
// "ENH": "E" must be a decimal number ..., found "12,5""), from the element's frame and what
// the schema declares.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/schema_stream.h"
#include "validation/element_frame.h"

namespace vdxml_validation {

class FaultText {
  public:
    explicit FaultText(const vdxml_engine::CompiledSchema& schema) : m_schema(schema) {}

    /// Whether a fault is about an element's own value, which the schema reports when the
    /// element ends (kept in its frame until then), rather than about an attribute of it.
    static bool IsValueFault(vdxml_engine::SchemaFaultKind kind, std::string_view message);

    /// A fault about the root, the structure or the attributes of the innermost open element
    /// (stack.back()) or, when the fault names it, of its parent. Sends one finding.
    void Structure(vdxml_engine::SchemaFaultKind kind, std::string_view message,
                   const FrameStack& stack, const FindingSink& sink) const;

    /// The value faults of element (whose parent is parent, or null) as one finding.
    void Value(const ElementFrame& element, const ElementFrame* parent,
               const FindingSink& sink) const;

    /// Whether the schema declares an element of this name anywhere.
    bool IsDeclared(const std::string& local) const;

  private:
    std::string ValuePhrase(const ElementFrame& element) const;

    const vdxml_engine::CompiledSchema& m_schema;
};

}  // namespace vdxml_validation
