#include "support/notification_log.h"

#include <gtest/gtest.h>

namespace vdxml_test {

std::uint32_t SlotMask(const VdXml::_CURRENCYTABLE& t) {
    const void* const slots[] = {t.pReserved,       t.pRoot,
                                 t.pProject,        t.pPoint,
                                 t.pCoord,          t.pDCoord,
                                 t.pTpsSetup,       t.pTpsSetupDetails,
                                 t.pTpsObsSet,      t.pCoordinateSystem,
                                 t.pTrfResidual,    t.pGpsBaseline,
                                 t.pGpsReference,   t.pGpsRover,
                                 t.pThematicalCode, t.pThematicalAttribute};
    std::uint32_t mask = 0;
    for (std::uint32_t i = 0; i < sizeof slots / sizeof slots[0]; ++i)
        if (slots[i]) mask |= 1u << i;
    return mask;
}

std::vector<std::string> NotificationLog::Names() const {
    std::vector<std::string> names;
    for (const Entry& e : m_entries) names.push_back(e.name);
    return names;
}

int NotificationLog::Note(const char* name, VdXml::_CURRENCYTABLE* table) {
    m_entries.push_back({name, table ? SlotMask(*table) : 0u});
    if (onNotice) onNotice(name, table);
    return -1;
}

}  // namespace vdxml_test
