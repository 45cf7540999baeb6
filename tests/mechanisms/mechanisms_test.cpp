// What every element kind of the library shares, one table row per kind: an enumerated code
// without a text is written and then fails; a record lacking its mandatory data, or a parent
// without a document, is refused before anything is written; a reader given a handle without
// an element refuses it and leaves the record alone; and what the readers that only check
// for the element's presence return.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>

#include "support/document_fixture.h"
#include "support/dom_helpers.h"
#include "vdxml/vdxml.h"

using namespace vdxml_test;

namespace {

// A new element below "Application" of a DOM document held in memory.
const CVdXmlNode& Row() {
    static CVdXmlDocument doc;
    static const long started = doc.Initialize(SampleRoot(), IVdXmlDoc::DOCTYPE_DOM, L"m.xml", 1);
    static const CVdXmlNode* application = doc.GetNode(CVdXmlDocument::NODE_APPLICATION);
    static std::deque<CVdXmlNode> rows;
    EXPECT_EQ(started, S_OK);
    EXPECT_EQ(rows.emplace_back().Create(*application, L"Row", nullptr), S_OK);
    return rows.back();
}

// "name=text" of the last element in document order below row; "" when row holds none.
std::string LastEntry(const CVdXmlNode& row) {
    IXMLDOMNodePtr node(row.GetElement()->Element()), deepest;
    for (IXMLDOMNodePtr last = node; last; node = last) {
        last = nullptr;
        for (IXMLDOMNodePtr c = node->GetfirstChild(); c; c = c->GetnextSibling())
            if (c->GetnodeType() == NODE_ELEMENT) deepest = last = c;
    }
    return deepest ? deepest->GetnodeName().utf8() + "=" + deepest->Gettext().utf8() : "";
}

CVdXmlNode& Out(CVdXmlNode&& node) { return node; }
constexpr std::int64_t kComplete = -1, kIncomplete = -2;  // the codes are 0 or more

// One row: a Record r after setup, made incomplete or given the code in field when asked,
// written to the parent p by the expression that follows. The codes first to last of the
// entry have a text and last + 1 has none (no entry: the kind has no code); a kind that
// needs no data is refused only for a parent without a document.
#define ROW(entry, first, last, needsData, Record, setup, incomplete, field, ...)        \
    {                                                                                    \
        entry, first, last, needsData, [](const CVdXmlNode& p, std::int64_t v) -> long { \
            Record r;                                                                    \
            setup;                                                                       \
            if (v == kIncomplete) incomplete;                                            \
            if (v >= 0) r.field = static_cast<decltype(r.field)>(v);                     \
            return __VA_ARGS__;                                                          \
        }                                                                                \
    }
#define NEW(Element) Element().Create(p, r)
#define OUT(Insert) p.Insert(r, Out({}))

struct Kind {
    const char* entry;
    std::int64_t first, last;
    bool needsData;
    long (*write)(const CVdXmlNode& parent, std::int64_t codeOrCompleteness);
};

const Kind kKinds[] = {
    ROW(0, 0, 0, true, VDXML_PROJECT, r.Name = L"N", r.Name = L"", nType, NEW(CVdXmlProject)),
    ROW("Cl", 1, 8, true, VDXML_POINT, r.Name = L"N", r.Name = L"", Class, NEW(CVdXmlPoint)),
    ROW("SHgt", 1, 9, false, VDXML_COORD, (void)0, (void)0, SourceHgt, NEW(CVdXmlCoord)),
    ROW("Type", 1, 11, true, VDXML_COORDINATESYSTEM, r.Name = r.Projection.Name = L"N",
        r.Name = L"", Projection.Type, NEW(CVdXmlCoordinateSystem)),
    ROW("Type", 100, 114, true, VDXML_PROJECTION, r.Name = L"N", r.Name = L"", Type,
        p.InsertProjection(r)),
    ROW("Type", 1, 6, true, VDXML_TRANSFORMATION, r.Type = 1, r.Type = 0, Type,
        p.InsertTransformation(r)),
    ROW("TrfStepType", 1, 4, false, VDXML_TRFSTEP, (void)0, (void)0, StepType, p.InsertTrfStep(r)),
    ROW(0, 0, 0, true, VDXML_TRFRESIDUAL, r.Type = VDXML_COORD_TYPE_3D,
        r.Type = VDXML_COORD_TYPE_NONE, nType, NEW(CVdXmlTrfResidual)),
    ROW(0, 0, 0, true, VDXML_TPS_SETUP, (r.Flags = 1, r.Instrument.Flags = 3), r.Flags = 0, nType,
        NEW(CVdXmlTpsSetup)),
    ROW("Method", 1, 8, true, VDXML_TPS_SETUP_DETAILS, r.Method = 1, r.Method = 0, Method,
        NEW(CVdXmlTpsSetupDetails)),
    ROW("Type", 0, 11, true, VDXML_TPS_OBSSET, r.Flags = r.Reflector.Flags = 1, r.Flags = 0xE0,
        Reflector.Type, NEW(CVdXmlTpsObsSet)),
    ROW(0, 0, 0, true, VDXML_GPS_REFERENCE, r.Flags = 15, r.Flags = 14, nType,
        NEW(CVdXmlGpsReference)),
    ROW(0, 0, 0, true, VDXML_GPS_ROVER, r.Flags = 15, r.Flags = 14, nType, NEW(CVdXmlGpsRover)),
    ROW(0, 0, 0, true, VDXML_GPSBASELINE, r.Flags = 1, r.Flags = 0, nType, NEW(CVdXmlGpsBaseline)),
    ROW("AntType", 1, 48, true, VDXML_ANTENNA, (r.Flags = 7, r.AntName = L"N"), r.Flags = 0x1D,
        AntType, OUT(InsertAntenna)),
    ROW(0, 0, 0, true, VDXML_DOPS, r.Flags = 4, r.Flags = 0xE0, nType, OUT(InsertDOPs)),
    ROW(0, 0, 0, false, VDXML_THEMATICAL_CODELIST, (void)0, (void)0, nType,
        OUT(InsertThematicalCodelist)),
    ROW(0, 0, 0, true, VDXML_THEMATICAL_CODEGROUP, r.ItemName.Name = r.ItemName.Note = L"N",
        r.ItemName.Name = L"", nType, OUT(InsertThematicalCodeGroup)),
    ROW("Type", 1, 3, true, VDXML_THEMATICAL_CODE, r.ItemName.Name = L"N", r.ItemName.Name = L"",
        Type, NEW(CVdXmlThematicalCode)),
    ROW("ValueType", 0, 5, true, VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION,
        (r.ItemName.Name = L"N", r.Flags = r.Type = 1), r.Flags = 0, ValueType,
        OUT(InsertThematicalAttrDesc)),
    ROW("ValueType", 0, 5, true, VDXML_THEMATICAL_ATTRIBUTE, (r.ItemName.Name = L"N", r.Flags = 1),
        r.Flags = 0xFE, ValueType, NEW(CVdXmlThematicalAttribute)),
    // A design and a complete result r, both named and classed.
    ROW("Type", 1, 3, false, VDXML_STAKEOUT_RESULT, VDXML_STAKEOUT_DESIGN d;
        (d.Point.Name = r.Point.Name = L"N", r.Coord.Wgs84Llh.Flags = 4,
         d.Point.Class = r.Point.Class = 4),
        (void)0, Type, CVdXmlApplStakeout().Create(p, VDXML_STAKEOUT_MAP{{d, {r}}})),
};

template <class Record>
Record RecordOf(long (*)(VDXML_ELEMENT&, Record&));

// The reader's status, with " changed" when it changed any byte of a fresh record of its kind.
template <auto Read>
std::string Outcome(VDXML_ELEMENT element) {
    decltype(RecordOf(Read)) record;
    unsigned char before[sizeof record];
    std::memcpy(before, static_cast<const void*>(&record), sizeof before);
    const long hr = Read(element, record);
    const bool changed = std::memcmp(before, static_cast<const void*>(&record), sizeof before);
    return std::to_string(hr) + (changed ? " changed" : "");
}

// Every static reader: those that fill their record from an element's values (the baseline's
// sets its flag), and those that only check that they were given an element (the
// stakeout's checks the map it is given instead).
using Reader = std::string (*)(VDXML_ELEMENT);
template <auto... Read>
const std::vector<Reader> kReaders = {&Outcome<Read>...};
const auto& kFilling =
    kReaders<&CVdXmlDocument::Read, &CVdXmlProject::Read, &CVdXmlPoint::Read, &CVdXmlCoord::Read,
             &CVdXmlTpsSetup::Read, &CVdXmlTpsObsSet::Read, &CVdXmlGpsReference::Read,
             &CVdXmlGpsRover::Read, &CVdXmlGpsBaseline::Read, &CVdXmlThematicalCode::Read,
             &CVdXmlThematicalAttribute::Read>;
const auto& kChecking =
    kReaders<&CVdXmlDCoord::Read, &CVdXmlCoordinateSystem::Read, &CVdXmlTrfResidual::Read,
             &CVdXmlTpsSetupDetails::Read, &CVdXmlApplStakeout::Read>;

}  // namespace

// Every code with a text is written; the next one is written as its number, and then the
// writer fails with nothing after it.
TEST(Mechanisms, EnumeratedCodeWithoutTextFailsAfterItsNumber) {
    for (const Kind& kind : kKinds) {
        if (!kind.entry) continue;
        SCOPED_TRACE(kind.entry);
        for (std::int64_t code = kind.first; code <= kind.last; ++code)
            EXPECT_EQ(kind.write(Row(), code), S_OK) << code;
        const CVdXmlNode& failed = Row();
        EXPECT_EQ(kind.write(failed, kind.last + 1), E_FAIL);
        EXPECT_EQ(LastEntry(failed), kind.entry + ("=" + std::to_string(kind.last + 1)));
    }
}

// A refused record and a parent without a document leave nothing behind; the same record
// made complete is written.
TEST(Mechanisms, IncompleteRecordOrParentWithoutDocumentIsRefusedBeforeWriting) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(&kind - kKinds);
        EXPECT_EQ(kind.write(Out({}), kComplete), E_FAIL);
        const CVdXmlNode& refused = Row();
        EXPECT_EQ(kind.write(refused, kIncomplete), kind.needsData ? E_FAIL : S_OK);
        EXPECT_EQ(LastEntry(refused).empty(), kind.needsData);
        EXPECT_EQ(kind.write(Row(), kComplete), S_OK);
    }
}

// An empty handle, and one of a streamed element, hold no DOM element.
TEST(Mechanisms, ReadersRefuseHandlesWithoutElementAndLeaveTheRecordAlone) {
    VDXML_ELEMENT streamed;
    streamed.SetDepth(2);
    for (const auto* readers : {&kFilling, &kChecking})
        for (const Reader& read : *readers) {
            SCOPED_TRACE(&read - readers->data());
            EXPECT_EQ(read(VDXML_ELEMENT()), std::to_string(E_FAIL));
            EXPECT_EQ(read(streamed), std::to_string(E_FAIL));
        }
}

// Given an element holding values of every kind, whatever its name, the readers that only
// check for an element leave the record alone; the others fill it.
TEST(Mechanisms, PresenceOnlyReadersLeaveTheRecordAlone) {
    const IXMLDOMDocument2Ptr dom =
        LoadDomXml(L"<X><Name>N</Name><AntHgt>1</AntHgt><A><Type>1</Type><B><E>1</E></B></A></X>");
    for (const auto* readers : {&kFilling, &kChecking})
        for (const Reader& read : *readers)
            EXPECT_EQ(read(ElementAt(dom, L"")), readers == &kFilling ? "0 changed" : "0")
                << &read - readers->data();
}
