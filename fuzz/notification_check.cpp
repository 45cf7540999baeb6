#include "notification_check.h"

#include <algorithm>
#include <memory>

#include "fuzz_support.h"
#include "reading/element_kinds.h"

namespace vdxml_fuzz {
namespace {

// The record in the slot of the kind with this type code: present, of that kind, copyable.
void CheckSlot(VdXml::_CURRENCYTABLE* table, std::int32_t type) {
    VDXML_FUZZ_CHECK(table != nullptr);
    const vdxml_reading::ElementKind* kind = vdxml_reading::FindKind(type);
    VDXML_FUZZ_CHECK(kind != nullptr);
    VDXML_BASE* record = kind->get(*table);
    VDXML_FUZZ_CHECK(record != nullptr);
    VDXML_FUZZ_CHECK(record->nType == type);
    VDXML_FUZZ_CHECK(table->pReserved == nullptr);
    const std::unique_ptr<VDXML_BASE> copy(kind->copy(*record));
    VDXML_FUZZ_CHECK(copy && copy->nType == type);
}

}  // namespace

int NotificationCheck::OnOpen(VdXml::_CURRENCYTABLE* table, std::int32_t type) {
    CheckSlot(table, type);
    m_open.push_back(type);
    ++m_opened;
    return 0;
}

int NotificationCheck::OnClose(VdXml::_CURRENCYTABLE* table, std::int32_t type) {
    CheckSlot(table, type);
    // An engine failure may abandon inner elements without their close: the close matches
    // the innermost open element of its kind, whatever was left open inside it.
    const auto innermost = std::find(m_open.rbegin(), m_open.rend(), type);
    VDXML_FUZZ_CHECK(innermost != m_open.rend());
    m_open.erase(std::prev(innermost.base()), m_open.end());
    return 0;
}

}  // namespace vdxml_fuzz
