// The rules of the format that its schema cannot express, checked on the same single read:
//
// - elements the readers cannot see: names written with a namespace prefix (the readers match
//   names as written) and elements of another namespace than the root element's;
// - date-time entries carry the date-time mark, without which the readers read no date, and
//   name days that exist;
// - an averaging status sets at least one of its four status bits;
// - a quality block holds the cofactors of a whole block (1D, 2D or 3D; for the parameters of
//   a transformation step: planar, height or both);
// - the value of a point's attribute has the form its value type gives;
// - the codes of a project's points are defined in the project's code lists, with their
//   attributes described there (when the project has code lists at all).
//
// Memory: one small record per open element, and per project the names of its codes.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/schema_stream.h"
#include "validation/element_frame.h"

namespace vdxml_validation {

class SurveyChecks {
  public:
    SurveyChecks(const vdxml_engine::CompiledSchema& schema, FindingSink sink);

    /// What the checks make of an element of this name.
    Role RoleOf(const std::string& local) const;

    /// The element stack.back() opened (its role set), with its prefix and namespace as
    /// written and whether it carries the date-time mark.
    void Opened(const FrameStack& stack, std::string_view prefix, std::string_view namespaceUri,
                bool isDateTime);
    /// The element stack.back() closes; its frame holds its whole text and value faults.
    void Closing(const FrameStack& stack);

  private:
    // What the checks keep of an open element beside its frame.
    struct Open {
        bool insideCodeList = false;
        std::string name;                // the text of its "Name"
        std::set<std::string> children;  // cofactors of a quality; attributes of a code
        bool hasValue = false;           // a point attribute's "Value" ...
        std::string value;
        long valueLine = 0, valueColumn = 0;
        std::string valueType;  // ... and its "ValueType" when well-formed
    };
    // A code as a project's points use it.
    struct Use {
        long line = 0, column = 0;  // of its first use
        long long count = 0;
        std::map<std::string, std::pair<long, long>> attributes;  // name, line and column
    };

    void CheckDate(const ElementFrame& entry, const ElementFrame* parent);
    void CheckAveragingStatus(const ElementFrame& entry, const ElementFrame* parent);
    void CheckQuality(const ElementFrame& quality, const Open& open, const ElementFrame* parent);
    void CheckAttributeValue(const Open& attribute);
    void CheckCodeUse();

    FindingSink m_sink;
    // Names in their own order type: a map of the library's enumeration alone would be
    // instantiated with default visibility (enumerations take none from the build) and be
    // exported by a shared library.
    struct NameOrder : std::less<> {};
    std::map<std::string, Role, NameOrder> m_roles;
    bool m_rootSeen = false;
    std::string m_rootNamespace;
    std::set<std::string> m_prefixesReported, m_namespacesReported;
    std::vector<Open> m_open;  // reused by depth: m_depth of them are open
    std::size_t m_depth = 0;
    // The project open: its name, the codes its code lists define (with the attributes
    // described for them) and the codes its points use.
    std::string m_projectName;
    std::map<std::string, std::set<std::string>> m_defined;
    std::map<std::string, Use> m_used;
};

}  // namespace vdxml_validation
