#include "validation/fault_text.h"

#include <cstdlib>

#include "vdxml/vocabulary.h"

namespace vdxml_validation {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kLongest = 60;
    text = Trimmed(text);
    if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
    std::size_t cut = kLongest;  // not inside a UTF-8 sequence
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

namespace {

// libxml2 names an element of a namespace "{uri}name".
std::string LocalOf(std::string_view name) {
    if (!name.empty() && name.front() == '{') {
        const std::size_t end = name.find('}');
        if (end != std::string_view::npos) name.remove_prefix(end + 1);
    }
    return std::string(name);
}

// The text between open and the next close after it; empty when either is missing.
std::string_view Between(std::string_view text, std::string_view open, std::string_view close) {
    const std::size_t start = text.find(open);
    if (start == std::string_view::npos) return {};
    const std::size_t from = start + open.size();
    const std::size_t end = text.find(close, from);
    if (end == std::string_view::npos) return {};
    return text.substr(from, end - from);
}

std::vector<std::string> Split(std::string_view list, std::string_view separator) {
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t end = list.find(separator);
        items.emplace_back(list.substr(0, end));
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + separator.size());
    }
    return items;
}

// What a fault is about: "Element 'X': rest" or "Element 'X', attribute 'a': rest".
struct Subject {
    std::string element;
    std::string attribute;
    std::string_view rest;
};

Subject SubjectOf(std::string_view message) {
    Subject s;
    s.rest = message;
    constexpr std::string_view kElement = "Element '";
    if (message.substr(0, kElement.size()) != kElement) return s;
    std::size_t end = message.find('\'', kElement.size());
    if (end == std::string_view::npos) return s;
    s.element = LocalOf(message.substr(kElement.size(), end - kElement.size()));
    std::string_view after = message.substr(end + 1);
    constexpr std::string_view kAttribute = ", attribute '";
    if (after.substr(0, kAttribute.size()) == kAttribute) {
        end = after.find('\'', kAttribute.size());
        if (end == std::string_view::npos) return s;
        s.attribute = LocalOf(after.substr(kAttribute.size(), end - kAttribute.size()));
        after.remove_prefix(end + 1);
    }
    if (after.substr(0, 2) == ": ") after.remove_prefix(2);
    s.rest = after;
    return s;
}

// The element names of "Expected is ( A )." or "Expected is one of ( A, B )."
std::vector<std::string> ExpectedNames(std::string_view rest) {
    std::string_view list = Between(rest, "Expected is ( ", " )");
    if (list.empty()) list = Between(rest, "Expected is one of ( ", " )");
    std::vector<std::string> names;
    for (const std::string& name : Split(list, ", ")) names.push_back(LocalOf(name));
    return names;
}

std::string NameList(const std::vector<std::string>& names) {
    std::string text = names.size() > 1 ? "one of " : "";
    for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", \"" : "\"") + names[i] + "\"";
    return text;
}

// The values of "{'1', '2', '3'}"; libxml2 shows the integer 0 as ''.
std::vector<std::string> EnumerationSet(std::string_view rest) {
    std::vector<std::string> values;
    for (std::string value : Split(Between(rest, "{", "}"), ", ")) {
        if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
            value = value.substr(1, value.size() - 2);
        values.push_back(value.empty() ? "0" : value);
    }
    return values;
}

// Codes with runs of three or more consecutive ones shortened: "-1, 1 to 48".
std::string Codes(const std::vector<std::string>& values) {
    std::vector<long> numbers;
    for (const std::string& v : values) {
        char* end = nullptr;
        numbers.push_back(std::strtol(v.c_str(), &end, 10));
        if (v.empty() || *end != '\0') {  // not all whole numbers: listed as they are
            std::string text;
            for (const std::string& w : values) text += (text.empty() ? "" : ", ") + w;
            return text;
        }
    }
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        if (!text.empty()) text += ", ";
        if (j >= i + 2) {
            text += std::to_string(numbers[i]) + " to " + std::to_string(numbers[j]);
            i = j + 1;
        } else {
            text += std::to_string(numbers[i]);
            ++i;
        }
    }
    return text;
}

std::string Phrase(const vdxml_engine::SimpleTypeFacts& facts) {
    if (!facts.phrase.empty()) return facts.phrase;
    if (!facts.enumerations.empty()) return "one of the codes " + Codes(facts.enumerations);
    return "";
}

std::string Element(const ElementFrame& e) { return "element \"" + e.qname + "\""; }

}  // namespace

bool FaultText::IsValueFault(vdxml_engine::SchemaFaultKind kind, std::string_view message) {
    return kind == vdxml_engine::SchemaFaultKind::Value && SubjectOf(message).attribute.empty();
}

bool FaultText::IsDeclared(const std::string& local) const {
    return m_schema.ElementTypes().count(local) != 0;
}

std::string FaultText::ValuePhrase(const ElementFrame& element) const {
    const auto& types = m_schema.SimpleTypes();
    std::vector<const vdxml_engine::SimpleTypeFacts*> candidates;
    const auto declared = m_schema.ElementTypes().find(element.local);
    if (declared != m_schema.ElementTypes().end())
        for (const std::string& type : declared->second) {
            const auto facts = types.find(type);
            if (facts != types.end()) candidates.push_back(&facts->second);
        }
    for (const std::string& fault : element.valueFaults) {
        const std::string_view rest = SubjectOf(fault).rest;
        // A type named by the fault decides.
        std::string_view named = Between(rest, "atomic type '", "'");
        if (named.substr(0, 3) != "xs:") {
            const auto facts = types.find(std::string(named));
            if (facts != types.end() && !Phrase(facts->second).empty())
                return Phrase(facts->second);
        }
        // Otherwise the declared type whose facet failed.
        const std::string pattern(Between(rest, "by the pattern '", "'."));
        const std::vector<std::string> set = EnumerationSet(rest);
        const std::string minimum(Between(rest, "minimum value allowed ('", "')"));
        for (const vdxml_engine::SimpleTypeFacts* facts : candidates) {
            bool matches = false;
            for (const std::string& p : facts->patterns) matches = matches || p == pattern;
            matches = matches || (!set.empty() && set == facts->enumerations) ||
                      (!minimum.empty() && minimum == facts->minInclusive);
            if (matches && !Phrase(*facts).empty()) return Phrase(*facts);
        }
        if (!set.empty()) return "one of the codes " + Codes(set);
    }
    // A name declared with one type that can fail.
    const vdxml_engine::SimpleTypeFacts* only = nullptr;
    for (const vdxml_engine::SimpleTypeFacts* facts : candidates) {
        if (Phrase(*facts).empty()) continue;
        if (only) return "";
        only = facts;
    }
    return only ? Phrase(*only) : "";
}

void FaultText::Value(const ElementFrame& element, const ElementFrame* parent,
                      const FindingSink& sink) const {
    if (element.valueFaults.empty()) return;
    std::string who = "\"" + element.qname + "\"";
    if (parent) who = Element(*parent) + ": " + who;
    const std::string phrase = ValuePhrase(element);
    const std::string_view text = Trimmed(element.text);
    if (phrase.empty()) {
        sink(VDXML_FINDING::KIND_VALUE, element.line, element.column,
             who + ": " + std::string(SubjectOf(element.valueFaults.front()).rest));
        return;
    }
    sink(VDXML_FINDING::KIND_VALUE, element.line, element.column,
         who + " must be " + phrase +
             (text.empty() ? ", but it is empty" : ", found " + Quoted(text)));
}

void FaultText::Structure(vdxml_engine::SchemaFaultKind kind, std::string_view message,
                          const FrameStack& stack, const FindingSink& sink) const {
    if (stack.empty()) return;
    const Subject subject = SubjectOf(message);
    std::size_t index = stack.size() - 1;
    if (!subject.element.empty() && stack.size() >= 2 && subject.element != stack[index].local &&
        subject.element == stack[index - 1].local)
        --index;
    const ElementFrame& e = stack[index];
    const ElementFrame* parent = index > 0 ? &stack[index - 1] : nullptr;
    const std::string_view rest = subject.rest;
    const auto has = [&](std::string_view part) {
        return rest.find(part) != std::string_view::npos;
    };
    using F = VDXML_FINDING;

    if (kind == vdxml_engine::SchemaFaultKind::Root) {
        sink(F::KIND_ROOT, e.line, e.column,
             "the root element is \"" + e.qname + "\"; a survey file's root element is \"" +
                 VdXml::tagCompany.utf8() + "\"");
    } else if (!subject.attribute.empty()) {
        const std::string attribute = Element(e) + ": attribute \"" + subject.attribute + "\"";
        if (has("is not allowed"))
            sink(F::KIND_STRUCTURE, e.line, e.column, attribute + " is not allowed");
        else if (has("fixed value constraint"))
            sink(F::KIND_VALUE, e.line, e.column,
                 attribute + " must be \"" +
                     std::string(Between(rest, "fixed value constraint '", "'")) + "\", found \"" +
                     std::string(Between(rest, "The value '", "' does")) + "\"");
        else
            sink(F::KIND_VALUE, e.line, e.column, attribute + ": " + std::string(rest));
    } else if (has("This element is not expected")) {
        const std::vector<std::string> expected = ExpectedNames(rest);
        std::string text = parent ? Element(*parent) + ": " : "";
        text += IsDeclared(e.local) ? "\"" + e.qname + "\" is not expected here"
                                    : "unknown element \"" + e.qname + "\"";
        if (!expected.empty()) text += "; expected " + NameList(expected);
        sink(F::KIND_STRUCTURE, e.line, e.column, text);
    } else if (has("Missing child element")) {
        const std::vector<std::string> expected = ExpectedNames(rest);
        sink(F::KIND_STRUCTURE, e.line, e.column,
             Element(e) + " lacks " + (expected.empty() ? "a child element" : NameList(expected)));
    } else if (has("Character content other than whitespace")) {
        sink(F::KIND_STRUCTURE, e.line, e.column,
             Element(e) + " holds the text " + Quoted(e.text) + ", where only elements belong");
    } else if (has("Element content is not allowed")) {
        sink(F::KIND_STRUCTURE, e.line, e.column,
             Element(e) + " holds elements, where only text belongs");
    } else {
        sink(F::KIND_STRUCTURE, e.line, e.column, Element(e) + ": " + std::string(rest));
    }
}

}  // namespace vdxml_validation
