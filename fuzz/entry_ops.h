// The entries of the entry-text harness: how fuzzer bytes become entries, how one entry is
// written through CVdXmlNode, and what its status and text must be by the documented contract
// of each entry writer.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "vdxml/node.h"

namespace vdxml_fuzz {

struct EntryOp {
    enum Kind : std::uint8_t {
        kText,
        kDouble,
        kFloat,
        kLong,
        kUnsignedLong,
        kByte,
        kDateTimeMjd,
        kDateTimeOle,
        kTimeSpanMjd,
        kTimeSpanOle,
        kDateTimeTm,
        kNamedText,  // a text entry under a name of any characters
        kKindCount
    };
    Kind kind = kText;
    int index = 0;               // position in the input, for the entry's name
    std::wstring text;           // kText, kNamedText (the name)
    double number = 0.0;         // kDouble, kDateTime*, kTimeSpan*, kDateTimeTm (fraction)
    float single = 0.0f;         // kFloat
    std::uint64_t integer = 0;   // kLong, kUnsignedLong, kByte
    unsigned int precision = 0;  // kDouble, kFloat
    std::tm when{};              // kDateTimeTm

    /// The entry's element name as written: "e<index>", or the given name of kNamedText.
    std::string Name() const;
};

/// At most this many entries per input.
constexpr std::size_t kMaxEntryOps = 48;

/// Decodes entries until the bytes run out: one kind byte each, then its values (missing
/// bytes read as 0). Names of kNamedText never hold ':', whose prefixes the streaming writer
/// does not declare by design.
std::vector<EntryOp> DecodeEntryOps(const std::uint8_t* data, std::size_t size);
/// The bytes that decode to ops (for the seed corpus).
std::string EncodeEntryOps(const std::vector<EntryOp>& ops);

/// Writes one entry into node; returns the writer's status. The engine's _com_error passes.
long Apply(const CVdXmlNode& node, const EntryOp& op);

/// Whether status is what the writer documents for the op's value (S_FALSE for a skipped
/// number, E_FAIL for a date without calendar form, S_OK for what is always written ...).
bool StatusAsDocumented(const EntryOp& op, long status);
/// Whether an accepted entry's text, as read back, is what the writer documents: cleaned text
/// of the same length, fixed decimals, date-times and time spans in range, exact integers.
bool TextAsDocumented(const EntryOp& op, const std::string& utf8);

}  // namespace vdxml_fuzz
