// The element kinds that reading reports, one row each: element name, record-type code, the
// parser's handlers, the slot in the table of current records, the copy of a record and the
// notification pair. The parser builds its element map from these rows; the record tree uses
// them to copy records by type code and to replay them to a callback.
#pragma once

#include <cstdint>
#include <new>
#include <vector>

#include "reading/read_plan.h"
#include "vdxml/parser.h"

namespace vdxml_reading {

using Table = VdXml::_CURRENCYTABLE;
using Notification = int (IVdXmlNotifications::*)(Table*);

struct ElementKind {
    const _bstr_t* tag;  ///< The element's name in the vocabulary.
    std::int32_t type;   ///< The record-type code of the kind's records.
    CVdXmlParser::NODE_READ handlers;
    /// The record in the kind's slot, or null.
    VDXML_BASE* (*get)(const Table& table);
    /// Puts record (of this kind, or null) into the kind's slot.
    void (*set)(Table& table, VDXML_BASE* record);
    /// A new record copied from record, which must be of this kind.
    VDXML_BASE* (*copy)(const VDXML_BASE& record);
    Notification open;
    Notification close;
    /// A new, empty record of this kind (null when memory runs out).
    VDXML_BASE* (*create)();
    /// The plan of the kind's reader, made on first use and shared by every thread.
    const ReadPlan& (*plan)();
    /// The reader's step after its rows, on a record of this kind.
    long (*finish)(VDXML_BASE& record, const vdxml_elements::ReadScratch& scratch);
    /// The complete plan (rows by path, see elements/complete_rows.h); empty for kinds whose
    /// readers restore every value they read.
    const ReadPlan& (*complete)();
    /// Copies from's values into to; both of this kind.
    void (*assign)(VDXML_BASE& to, const VDXML_BASE& from);
};

/// Every kind that has a reader, in the order of the table's slots.
const std::vector<ElementKind>& ElementKinds();
/// The kind whose records carry type, or null.
const ElementKind* FindKind(std::int32_t type);

/// The row of one kind: its record, slot, element reader and notifications.
template <class Record, Record* Table::*Slot, long (*Reader)(VDXML_ELEMENT&, Record&),
          Notification Open, Notification Close>
struct KindOf {
    static VDXML_BASE* Get(const Table& table) { return table.*Slot; }
    static void Set(Table& table, VDXML_BASE* record) {
        // The caller picked this kind by the record's type code.
        table.*Slot = static_cast<Record*>(record);
    }
    static VDXML_BASE* Copy(const VDXML_BASE& record) {
        return new Record(static_cast<const Record&>(record));
    }

    /// The parser's read handler: a fresh record in the slot, filled by the element reader,
    /// then the open notification. A record whose reader fails is freed at once; nobody has
    /// seen it.
    static long Read(VDXML_ELEMENT& element, IVdXmlNotifications* callback, Table& table) {
        if (!callback) return S_OK;
        Record* record = new (std::nothrow) Record();
        table.*Slot = record;
        if (!record) return E_FAIL;
        const long hr = Reader(element, *record);
        if (FAILED(hr)) {
            delete record;
            table.*Slot = nullptr;
            return hr;
        }
        (callback->*Open)(&table);
        return S_OK;
    }
    /// The parser's release handler: the close notification, then the record goes.
    static long Release(VDXML_ELEMENT&, IVdXmlNotifications* callback, Table& table) {
        if (callback) (callback->*Close)(&table);
        delete (table.*Slot);
        table.*Slot = nullptr;
        return S_OK;
    }

    static VDXML_BASE* Create() { return new (std::nothrow) Record(); }
    static const ReadPlan& Plan() {
        static const ReadPlan plan = MakeReadPlan<Record>();
        return plan;
    }
    static long Finish(VDXML_BASE& record, const vdxml_elements::ReadScratch& scratch) {
        return vdxml_elements::FinishRead(static_cast<Record&>(record), scratch);
    }
    static const ReadPlan& Complete() {
        static const ReadPlan plan = MakeCompletePlan<Record>();
        return plan;
    }
    static void Assign(VDXML_BASE& to, const VDXML_BASE& from) {
        static_cast<Record&>(to) = static_cast<const Record&>(from);
    }

    static ElementKind Row(const _bstr_t& tag) {
        return {&tag,    Record().nType, {&Read, &Release}, &Get,      &Set,   &Copy, Open, Close,
                &Create, &Plan,          &Finish,           &Complete, &Assign};
    }
};

}  // namespace vdxml_reading
