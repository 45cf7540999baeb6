// What the validator keeps of an element while it is open: its name, where it starts, its text
// and the faults the schema found in its value. One frame per open element, so memory follows
// the nesting depth.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vdxml/validator.h"

namespace vdxml_validation {

/// A fault the schema found in an element's value, kept until the element ends.
struct ValueFault {
    int code = 0;
    std::string message;  ///< libxml2's text
};

struct ElementFrame {
    std::string qname;  ///< the name as written ("v:Pnt")
    std::string local;  ///< without its prefix ("Pnt")
    long line = 0;      ///< where its start tag ends
    long column = 0;
    std::string name;  ///< the text of its "Name" child, once that has closed
    std::string text;  ///< its text before its first child element
    bool hasChildren = false;
    std::vector<ValueFault> valueFaults;
};

/// Where the validator's parts report what they find, at a line and column of the file.
using FindingSink =
    std::function<void(VDXML_FINDING::enmKind kind, long line, long column, std::string message)>;

/// text without the blanks around it.
std::string_view Trimmed(std::string_view text);

/// text for a message: trimmed, in quotes, cut after 60 characters.
std::string Quoted(std::string_view text);

}  // namespace vdxml_validation
