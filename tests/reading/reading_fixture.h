// Reading tests: the element kinds with their notifications and slots, the notifications a walk
// should send written as the elements it opens and closes, and a fixture that parses XML text.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/notification_log.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/vdxml.h"

namespace vdxml_test {

using Names = std::vector<std::string>;

struct Kind {
    std::string element, open;  ///< the close notification is open + "Close", but for the root
    std::uint32_t slot;
    std::string close() const { return slot == kSlotRoot ? "OnVdXmlClose" : open + "Close"; }
};

/// Every element kind that reading reports, the root element first.
// clang-format off
inline const std::vector<Kind> kKinds = {
    {"Company", "OnVdXmlBegin", kSlotRoot}, {"Project", "OnProject", kSlotProject},
    {"Pnt", "OnPoint", kSlotPoint}, {"Crd", "OnCoord", kSlotCoord},
    {"DCrd", "OnDCoord", kSlotDCoord}, {"TpsSetup", "OnTpsSetup", kSlotTpsSetup},
    {"TpsSetupDetails", "OnTpsSetupDetails", kSlotTpsSetupDetails},
    {"TpsObsSet", "OnTpsObsSet", kSlotTpsObsSet},
    {"CoordinateSystem", "OnCoordinateSystem", kSlotCoordinateSystem},
    {"TrfResidual", "OnTrfResidual", kSlotTrfResidual},
    {"GpsBl", "OnGpsBaseline", kSlotGpsBaseline}, {"Ref", "OnGpsReference", kSlotGpsReference},
    {"Rov", "OnGpsRover", kSlotGpsRover}, {"ThematicalCode", "OnCode", kSlotThematicalCode},
    {"ThematicalAttr", "OnAttribute", kSlotThematicalAttribute}};
// clang-format on

/// The kind of an element name (or of an open notification's name), or null.
inline const Kind* FindKind(const std::string& name, bool byOpen = false) {
    for (const Kind& kind : kKinds)
        if (name == (byOpen ? kind.open : kind.element)) return &kind;
    return nullptr;
}

/// The notifications of a log, each as "name/slot mask".
inline Names Logged(const NotificationLog& log) {
    Names out;
    for (const auto& e : log.Entries()) out.push_back(e.name + "/" + std::to_string(e.slots));
    return out;
}

/// The notifications a walk should send, in the form of Logged, from the elements it opens and
/// closes: "Company Pnt /Pnt /Company". "Pnt!" is an element opened and then abandoned, without
/// close notification. Each notification sees the slots of the elements open at that moment.
inline Names Walk(const std::string& elements) {
    Names out;
    std::vector<std::uint32_t> open{0};  // per open element, its slot and those around it
    std::istringstream in(elements);
    for (std::string word; in >> word;) {
        const bool closing = word[0] == '/', abandoned = word.back() == '!';
        const Kind* kind = FindKind(word.substr(closing, word.size() - closing - abandoned));
        if (!kind) return {"no kind " + word};
        if (!closing) open.push_back(open.back() | kind->slot);
        out.push_back((closing ? kind->close() : kind->open) + "/" + std::to_string(open.back()));
        if (closing || abandoned) open.pop_back();
    }
    return out;
}

/// The elements of a file (read by libxml2) whose kinds reading reports, as Walk takes them.
inline std::string KnownElements(const XmlTree& tree) {
    std::string out = FindKind(tree.name) ? tree.name + " " : "";
    for (const XmlTree& child : tree.children) out += KnownElements(child);
    return FindKind(tree.name) ? out + "/" + tree.name + " " : out;
}

/// Replays one file of tree into log and returns, per open notification, the pre-order index of
/// the record it hands over (-1 for a record that is not the tree's own).
inline std::vector<int> Replayed(CVdXmlTree& tree, NotificationLog& log, int file = 0) {
    std::vector<int> indices;
    log.Clear();
    log.onNotice = [&](const std::string& name, VdXml::_CURRENCYTABLE* t) {
        // clang-format off
        VDXML_BASE* const slots[] = {t->pReserved, t->pRoot, t->pProject, t->pPoint, t->pCoord,
            t->pDCoord, t->pTpsSetup, t->pTpsSetupDetails, t->pTpsObsSet, t->pCoordinateSystem,
            t->pTrfResidual, t->pGpsBaseline, t->pGpsReference, t->pGpsRover, t->pThematicalCode,
            t->pThematicalAttribute};
        // clang-format on
        const Kind* kind = FindKind(name, true);
        int i = 0;
        while (kind && tree.GetNode(i) && tree.GetNode(i) != slots[__builtin_ctz(kind->slot)]) ++i;
        if (kind) indices.push_back(tree.GetNode(i) ? i : -1);
    };
    EXPECT_EQ(tree.Scan(&log, file), S_OK);
    log.onNotice = nullptr;
    return indices;
}

/// Parses XML text written to a temporary file into a notification log.
class ReadingTest : public ::testing::Test {
  protected:
    void SetUp() override { parser.SetCallbackInterface(&log); }
    long ParseXml(const std::string& xml) {
        path = WriteBytes(dir.file("in.xml"), xml);
        return parser.Parse(path.c_str());
    }

    TempDir dir;
    std::string path;
    NotificationLog log;
    CVdXmlParser parser;
};

}  // namespace vdxml_test
