// What the validator keeps of an element while it is open: its name, where it starts, its text
// and the faults the schema found in its value. One frame per open element, so memory follows
// the nesting depth; frames are reused from one element to the next of the same depth.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vdxml/validator.h"

namespace vdxml_validation {

/// What the checks beyond the schema make of an element, from its name, decided once when it
/// opens.
enum class Role : std::uint8_t {
    Other,
    DateTime,  ///< a date-time entry, whatever its parent
    AveragingStatus,
    Quality,
    Cofactor,
    Name,
    Value,
    ValueType,
    Project,
    Point,
    Code,
    CodeList,
    Attribute,
    AttributeDescription,
    ParameterBlock,  ///< shifts, rotations and scales of a transformation step
};

struct ElementFrame {
    std::string qname;  ///< the name as written ("v:Pnt")
    std::string local;  ///< without its prefix ("Pnt")
    Role role = Role::Other;
    long line = 0;  ///< where its start tag ends
    long column = 0;
    std::string name;  ///< the text of its "Name" child, once that has closed
    std::string text;  ///< its text before its first child element
    bool hasChildren = false;
    std::vector<std::string> valueFaults;  ///< libxml2's texts of the faults in its value
};

/// The frames of the open elements, outermost first.
class FrameStack {
  public:
    FrameStack(const ElementFrame* frames, std::size_t size) : m_frames(frames), m_size(size) {}
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const ElementFrame& operator[](std::size_t i) const { return m_frames[i]; }
    const ElementFrame& back() const { return m_frames[m_size - 1]; }
    /// The parent of the innermost element, or null.
    const ElementFrame* parent() const { return m_size > 1 ? &m_frames[m_size - 2] : nullptr; }

  private:
    const ElementFrame* m_frames;
    std::size_t m_size;
};

/// Where the validator's parts report what they find, at a line and column of the file.
using FindingSink =
    std::function<void(VDXML_FINDING::enmKind kind, long line, long column, std::string message)>;

/// text without the blanks around it.
std::string_view Trimmed(std::string_view text);

/// text for a message: trimmed, in quotes, cut after 60 characters.
std::string Quoted(std::string_view text);

}  // namespace vdxml_validation
