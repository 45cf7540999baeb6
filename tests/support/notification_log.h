// A notification object for reading tests: it writes down every notification it receives,
// with the slots of the table of current records that held a record at that moment.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vdxml/parser.h"

namespace vdxml_test {

/// Bit i is set when the i-th slot of the table holds a record (0 pReserved, 1 pRoot,
/// 2 pProject, 3 pPoint, 4 pCoord ... 15 pThematicalAttribute, in the table's order).
std::uint32_t SlotMask(const VdXml::_CURRENCYTABLE& table);

/// Bits of SlotMask.
enum SlotBit : std::uint32_t {
    kSlotRoot = 1u << 1,
    kSlotProject = 1u << 2,
    kSlotPoint = 1u << 3,
    kSlotCoord = 1u << 4,
    kSlotDCoord = 1u << 5,
    kSlotTpsSetup = 1u << 6,
    kSlotTpsSetupDetails = 1u << 7,
    kSlotTpsObsSet = 1u << 8,
    kSlotCoordinateSystem = 1u << 9,
    kSlotTrfResidual = 1u << 10,
    kSlotGpsBaseline = 1u << 11,
    kSlotGpsReference = 1u << 12,
    kSlotGpsRover = 1u << 13,
    kSlotThematicalCode = 1u << 14,
    kSlotThematicalAttribute = 1u << 15,
};

#define VDXML_TEST_LOGGED(Name) \
    int Name(VdXml::_CURRENCYTABLE* table) override { return Note(#Name, table); }

/// Every notification returns -1, a failure, which no sender may heed: each test that reads
/// a whole replay or parse through this log checks that too.
class NotificationLog : public IVdXmlNotifications {
  public:
    struct Entry {
        std::string name;     ///< the notification's name, "OnPoint"
        std::uint32_t slots;  ///< SlotMask of the table received (0 for a null table)
    };

    NotificationLog() = default;
    virtual ~NotificationLog() = default;

    const std::vector<Entry>& Entries() const { return m_entries; }
    /// The names of the notifications in the order received.
    std::vector<std::string> Names() const;
    void Clear() { m_entries.clear(); }

    /// Runs after each notification is written down, with the table as received.
    std::function<void(const std::string& name, VdXml::_CURRENCYTABLE* table)> onNotice;

    VDXML_TEST_LOGGED(OnVdXmlBegin)
    VDXML_TEST_LOGGED(OnVdXmlClose)
    VDXML_TEST_LOGGED(OnProject)
    VDXML_TEST_LOGGED(OnProjectClose)
    VDXML_TEST_LOGGED(OnPoint)
    VDXML_TEST_LOGGED(OnPointClose)
    VDXML_TEST_LOGGED(OnCoord)
    VDXML_TEST_LOGGED(OnCoordClose)
    VDXML_TEST_LOGGED(OnDCoord)
    VDXML_TEST_LOGGED(OnDCoordClose)
    VDXML_TEST_LOGGED(OnTpsSetup)
    VDXML_TEST_LOGGED(OnTpsSetupClose)
    VDXML_TEST_LOGGED(OnTpsSetupDetails)
    VDXML_TEST_LOGGED(OnTpsSetupDetailsClose)
    VDXML_TEST_LOGGED(OnTpsObsSet)
    VDXML_TEST_LOGGED(OnTpsObsSetClose)
    VDXML_TEST_LOGGED(OnCoordinateSystem)
    VDXML_TEST_LOGGED(OnCoordinateSystemClose)
    VDXML_TEST_LOGGED(OnTrfResidual)
    VDXML_TEST_LOGGED(OnTrfResidualClose)
    VDXML_TEST_LOGGED(OnGpsBaseline)
    VDXML_TEST_LOGGED(OnGpsBaselineClose)
    VDXML_TEST_LOGGED(OnGpsReference)
    VDXML_TEST_LOGGED(OnGpsReferenceClose)
    VDXML_TEST_LOGGED(OnGpsRover)
    VDXML_TEST_LOGGED(OnGpsRoverClose)
    VDXML_TEST_LOGGED(OnCode)
    VDXML_TEST_LOGGED(OnCodeClose)
    VDXML_TEST_LOGGED(OnAttribute)
    VDXML_TEST_LOGGED(OnAttributeClose)

  private:
    int Note(const char* name, VdXml::_CURRENCYTABLE* table);

    std::vector<Entry> m_entries;
};

#undef VDXML_TEST_LOGGED

}  // namespace vdxml_test
