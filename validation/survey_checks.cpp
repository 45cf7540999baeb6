#include "validation/survey_checks.h"

#include <cstdlib>
#include <utility>

#include "vdxml/vocabulary.h"

namespace vdxml_validation {
namespace {

using F = VDXML_FINDING;

std::string Element(const ElementFrame& e) { return "element \"" + e.qname + "\""; }

// "element "Parent": "Entry"", or just ""Entry"" at the top.
std::string Entry(const ElementFrame& entry, const ElementFrame* parent) {
    const std::string name = "\"" + entry.qname + "\"";
    return parent ? Element(*parent) + ": " + name : name;
}

std::string Joined(const std::set<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return text;
}

// A whole number with an optional minus that fits 32 bits, as the writers write one.
bool IsWholeNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 10) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const long long value = std::strtoll(std::string(text).c_str(), nullptr, 10);
    return value <= (negative ? 2147483648LL : 2147483647LL);
}

bool IsDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view("0") : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        if (part.empty()) return false;
        for (char c : part)
            if (c < '0' || c > '9') return false;
        return true;
    };
    return digits(whole) && digits(fraction);
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

SurveyChecks::SurveyChecks(const vdxml_engine::CompiledSchema& schema, FindingSink sink)
    : m_sink(std::move(sink)) {
    // The names the checks look for, from the format's vocabulary.
    const std::pair<const _bstr_t*, Role> roles[] = {
        {&VdXml::tagAvgStatus, Role::AveragingStatus},
        {&VdXml::tagQlty, Role::Quality},
        {&VdXml::tagQltyQxx, Role::Cofactor},
        {&VdXml::tagQltyQxy, Role::Cofactor},
        {&VdXml::tagQltyQxz, Role::Cofactor},
        {&VdXml::tagQltyQyy, Role::Cofactor},
        {&VdXml::tagQltyQyz, Role::Cofactor},
        {&VdXml::tagQltyQzz, Role::Cofactor},
        {&VdXml::tagName, Role::Name},
        {&VdXml::tagValue, Role::Value},
        {&VdXml::tagValueType, Role::ValueType},
        {&VdXml::tagProject, Role::Project},
        {&VdXml::tagPoint, Role::Point},
        {&VdXml::tagThematicalCode, Role::Code},
        {&VdXml::tagThematicalCodelist, Role::CodeList},
        {&VdXml::tagThematicalAttr, Role::Attribute},
        {&VdXml::tagThematicalAttrDesc, Role::AttributeDescription},
        {&VdXml::tagTrfShift, Role::ParameterBlock},
        {&VdXml::tagTrfRot, Role::ParameterBlock},
        {&VdXml::tagTrfScale, Role::ParameterBlock},
    };
    for (const auto& [tag, role] : roles) m_roles[tag->utf8()] = role;
    // The entries every declaration of which is a date-time entry, whatever the parent.
    const auto& types = schema.SimpleTypes();
    const auto isDateTime = [&](const std::string& type) {
        const auto facts = types.find(type);
        return type == "DateTimeText" ||
               (facts != types.end() && facts->second.base == "DateTimeText");
    };
    for (const auto& [name, declared] : schema.ElementTypes()) {
        bool all = !declared.empty();
        for (const std::string& type : declared) all = all && isDateTime(type);
        if (all) m_roles[name] = Role::DateTime;
    }
}

Role SurveyChecks::RoleOf(const std::string& local) const {
    const auto role = m_roles.find(local);
    return role == m_roles.end() ? Role::Other : role->second;
}

void SurveyChecks::Opened(const FrameStack& stack, std::string_view prefix,
                          std::string_view namespaceUri, bool isDateTime) {
    const ElementFrame& e = stack.back();
    if (!m_rootSeen) {
        m_rootSeen = true;
        m_rootNamespace = namespaceUri;
    }
    if (!prefix.empty() && m_prefixesReported.insert(std::string(prefix)).second)
        m_sink(F::KIND_NAMESPACE, e.line, e.column,
               Element(e) + " has the namespace prefix \"" + std::string(prefix) +
                   "\": the readers match names as written and skip every element with a "
                   "prefix; write the names without one, with the namespace declared as the "
                   "default (xmlns=\"" +
                   std::string(namespaceUri) + "\")");
    if (namespaceUri != m_rootNamespace &&
        m_namespacesReported.insert(std::string(namespaceUri)).second) {
        const std::string in = namespaceUri.empty()
                                   ? "in no namespace"
                                   : "in the namespace \"" + std::string(namespaceUri) + "\"";
        const std::string root = m_rootNamespace.empty() ? "none" : "\"" + m_rootNamespace + "\"";
        m_sink(F::KIND_NAMESPACE, e.line, e.column,
               Element(e) + " is " + in + ", not in the root element's (" + root + ")");
    }
    if (!isDateTime && e.role == Role::DateTime)
        m_sink(F::KIND_STRUCTURE, e.line, e.column,
               Entry(e, stack.parent()) +
                   " lacks the date-time mark dt:dt=\"datetime\", without which the readers "
                   "read no date from it");

    const bool insideCodeList =
        e.role == Role::CodeList || (m_depth > 0 && m_open[m_depth - 1].insideCodeList);
    if (m_depth == m_open.size()) m_open.emplace_back();
    Open& open = m_open[m_depth++];  // cleared, keeping what it holds allocated
    open.insideCodeList = insideCodeList;
    open.name.clear();
    open.children.clear();
    open.hasValue = false;
    open.value.clear();
    open.valueType.clear();
    if (e.role == Role::Project) {
        m_projectName.clear();
        m_defined.clear();
        m_used.clear();
    }
}

void SurveyChecks::Closing(const FrameStack& stack) {
    const ElementFrame& e = stack.back();
    const ElementFrame* parent = stack.parent();
    if (m_depth == 0) return;
    const Open& open = m_open[--m_depth];
    Open* parentOpen = m_depth > 0 ? &m_open[m_depth - 1] : nullptr;
    const bool wellFormed = e.valueFaults.empty();

    if (wellFormed && e.role == Role::DateTime) CheckDate(e, parent);
    if (wellFormed && e.role == Role::AveragingStatus) CheckAveragingStatus(e, parent);
    if (e.role == Role::Quality) CheckQuality(e, open, parent);
    if (e.role == Role::Attribute) CheckAttributeValue(open);
    if (e.role == Role::Project) CheckCodeUse();

    if (!parent || !parentOpen) return;
    // What the parent keeps of this child.
    switch (e.role) {
        case Role::Cofactor:
            if (parent->role == Role::Quality) parentOpen->children.insert(e.local);
            break;
        case Role::Name:
            parentOpen->name = Trimmed(e.text);
            if (parent->role == Role::Project) m_projectName = parentOpen->name;
            break;
        case Role::Value:
            if (parent->role != Role::Attribute) break;
            parentOpen->hasValue = true;
            parentOpen->value = Trimmed(e.text);
            parentOpen->valueLine = e.line;
            parentOpen->valueColumn = e.column;
            break;
        case Role::ValueType:
            if (parent->role == Role::Attribute && wellFormed)
                parentOpen->valueType = Trimmed(e.text);
            break;
        case Role::Attribute:
        case Role::AttributeDescription:
            if (parent->role == Role::Code) parentOpen->children.insert(open.name);
            break;
        case Role::Code:
            if (open.insideCodeList) {
                m_defined[open.name].insert(open.children.begin(), open.children.end());
            } else {
                Use& use = m_used[open.name];
                if (use.count++ == 0) {
                    use.line = e.line;
                    use.column = e.column;
                }
                for (const std::string& attribute : open.children)
                    use.attributes.emplace(attribute, std::make_pair(e.line, e.column));
            }
            break;
        default:
            break;
    }
}

void SurveyChecks::CheckDate(const ElementFrame& entry, const ElementFrame* parent) {
    const std::string_view text = Trimmed(entry.text);
    if (text.size() < 10) return;  // the schema's pattern holds: YYYY-MM-DD...
    const int year = std::atoi(std::string(text.substr(0, 4)).c_str());
    const int month = std::atoi(std::string(text.substr(5, 2)).c_str());
    const int day = std::atoi(std::string(text.substr(8, 2)).c_str());
    if (month < 1 || month > 12 || day <= DaysInMonth(year, month)) return;
    m_sink(F::KIND_VALUE, entry.line, entry.column,
           Entry(entry, parent) + " holds " + Quoted(text) + ", a day the calendar does not have");
}

void SurveyChecks::CheckAveragingStatus(const ElementFrame& entry, const ElementFrame* parent) {
    const std::string text(Trimmed(entry.text));
    const long status = std::strtol(text.c_str(), nullptr, 10);
    if ((status & 0x0F) != 0) return;
    m_sink(F::KIND_CONSISTENCY, entry.line, entry.column,
           Entry(entry, parent) + " " + text +
               " sets none of the status bits 1 (use never), 2 (use always), 4 (not used) and "
               "8 (out of limit)");
}

void SurveyChecks::CheckQuality(const ElementFrame& quality, const Open& open,
                                const ElementFrame* parent) {
    using Set = std::set<std::string>;
    const bool ofParameters = parent && parent->role == Role::ParameterBlock;
    const std::vector<Set> whole =
        ofParameters
            ? std::vector<Set>{{"Q11", "Q22"}, {"Q33"}, {"Q11", "Q22", "Q33"}}
            : std::vector<Set>{
                  {"Q33"}, {"Q11", "Q12", "Q22"}, {"Q11", "Q12", "Q13", "Q22", "Q23", "Q33"}};
    for (const Set& block : whole)
        if (open.children == block) return;
    const std::string held = open.children.empty()
                                 ? " holds no cofactors"
                                 : " holds the cofactors " + Joined(open.children);
    const std::string kinds =
        ofParameters ? " a quality of parameters holds Q11, Q22 (planar), Q33 (height) or all "
                       "three"
                     : " a quality holds Q33 (1D), Q11, Q12, Q22 (2D) or all six of Q11 to Q33 "
                       "(3D)";
    m_sink(F::KIND_CONSISTENCY, quality.line, quality.column,
           Entry(quality, parent) + held + ";" + kinds);
}

void SurveyChecks::CheckAttributeValue(const Open& attribute) {
    if (!attribute.hasValue || attribute.valueType.empty()) return;
    const std::string& type = attribute.valueType;
    const std::string who =
        "thematic attribute " + Quoted(attribute.name) + ": \"" + VdXml::tagValue.utf8() + "\"";
    const long code = std::strtol(type.c_str(), nullptr, 10);
    if (code == 1 && !IsWholeNumber(attribute.value))
        m_sink(F::KIND_CONSISTENCY, attribute.valueLine, attribute.valueColumn,
               who + " must be a whole number, as its \"ValueType\" 1 says, found " +
                   Quoted(attribute.value));
    else if (code == 3 && !IsDecimal(attribute.value))
        m_sink(F::KIND_CONSISTENCY, attribute.valueLine, attribute.valueColumn,
               who + " must be a decimal number, as its \"ValueType\" 3 says, found " +
                   Quoted(attribute.value));
    else if (code != 1 && code != 3 && code != 4)
        m_sink(F::KIND_CONSISTENCY, attribute.valueLine, attribute.valueColumn,
               who + " is given, but its \"ValueType\" " + type + " carries no value");
}

void SurveyChecks::CheckCodeUse() {
    if (m_defined.empty()) return;  // a project without code lists uses codes freely
    const std::string project = "project \"" + m_projectName + "\"";
    for (const auto& [code, use] : m_used) {
        const auto defined = m_defined.find(code);
        if (defined == m_defined.end()) {
            std::string times;
            if (use.count > 1)
                times = " (used " + std::to_string(use.count) + " times, first here)";
            m_sink(F::KIND_CONSISTENCY, use.line, use.column,
                   "code \"" + code + "\" is not defined in the code lists of " + project + times);
            continue;
        }
        if (defined->second.empty()) continue;  // a code without descriptions takes any attribute
        for (const auto& [attribute, place] : use.attributes)
            if (!defined->second.count(attribute))
                m_sink(F::KIND_CONSISTENCY, place.first, place.second,
                       "attribute \"" + attribute + "\" of code \"" + code +
                           "\" is not described in the code lists of " + project);
    }
    m_defined.clear();
    m_used.clear();
}

}  // namespace vdxml_validation
