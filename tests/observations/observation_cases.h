// One document per element family written from a table of cases, compared with its golden
// file, then read back through the readers into a record rewriter and compared again: the
// layouts of the writers and what the readers restore (or miss) without field-by-field checks.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "support/golden.h"
#include "support/record_rewriter.h"
#include "vdxml/vdxml.h"

namespace vdxml_test {

/// One case of a family: its writes below an element named after the case, and the status
/// the last of them is expected to return.
struct Case {
    const char* name;
    long expected;
    std::function<long(const CVdXmlNode&)> write;
};

/// A temporary wrapper for writers that hand their element out.
inline CVdXmlNode& Out(CVdXmlNode&& node) { return node; }

/// A change that changes nothing.
template <class Record>
void Keep(Record&) {}

/// Sets fields of record: pairs of a member pointer and its value.
template <class Record>
void Assign(Record&) {}
template <class Record, class Member, class Value, class... Rest>
void Assign(Record& record, Member field, const Value& value, const Rest&... rest) {
    record.*field = value;
    Assign(record, rest...);
}

/// A case that writes record through a new Element.
template <class Element, class Record>
std::function<long(const CVdXmlNode&)> Writes(const Record& record) {
    return [record](const CVdXmlNode& parent) { return Element().Create(parent, record); };
}

/// A case that writes record, after change, through a new Element.
template <class Element, class Record, class Change>
std::function<long(const CVdXmlNode&)> Changed(Record record, Change change) {
    change(record);
    return Writes<Element>(record);
}

/// Writes the cases into one DOM document and expects it to hold "observations/<family>";
/// reads it back into a rewriter and expects "observations/<family>-read" and the records
/// the writers refused on the way back.
inline void ExpectFamily(const std::string& family, const std::vector<Case>& cases,
                         const std::vector<std::string>& refused) {
    TempDir dir;
    const std::string written = dir.file("written.xml"), read = dir.file("read.xml");
    CVdXmlDocument doc;
    ASSERT_EQ(doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, written.c_str(), 1), S_OK);
    for (const Case& c : cases) {
        CVdXmlNode holder;
        ASSERT_EQ(holder.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), c.name, 0), S_OK);
        EXPECT_EQ(c.write(holder), c.expected) << c.name;
    }
    ASSERT_EQ(doc.Save(), S_OK);
    ExpectGolden(written, "observations/" + family);
    RecordRewriter rewriter(read);
    CVdXmlParser parser;
    parser.SetCallbackInterface(&rewriter);
    ASSERT_EQ(parser.Parse(written.c_str()), S_OK);
    ASSERT_EQ(rewriter.Save(), S_OK);
    ExpectGolden(read, "observations/" + family + "-read");
    EXPECT_EQ(rewriter.Refused(), refused);
}

}  // namespace vdxml_test
