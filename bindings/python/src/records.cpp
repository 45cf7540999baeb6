// The record classes of the module, one per table of record_tables.h, and the reported kinds
// with their element names taken from the library's vocabulary.
#include "records.h"

#include "record_tables.h"

namespace vdxml_py {
namespace {

// Calls fn(static_cast<Record&>(record)) for the reported kind of record; false for others.
template <class Base, class Fn>
bool WithReportedKind(Base& record, Fn&& fn) {
    switch (record.nType) {
#define VDXML_PY_KIND(code, Record)                                                                \
    case code:                                                                                     \
        fn(static_cast<std::conditional_t<std::is_const_v<Base>, const Record, Record>&>(record)); \
        return true;
        VDXML_PY_KIND(VDXML_TYPE_ROOT, VDXML_ROOT)
        VDXML_PY_KIND(VDXML_TYPE_PROJECT, VDXML_PROJECT)
        VDXML_PY_KIND(VDXML_TYPE_POINT, VDXML_POINT)
        VDXML_PY_KIND(VDXML_TYPE_COORD, VDXML_COORD)
        VDXML_PY_KIND(VDXML_TYPE_DCOORD, VDXML_DCOORD)
        VDXML_PY_KIND(VDXML_TYPE_TPS_SETUP, VDXML_TPS_SETUP)
        VDXML_PY_KIND(VDXML_TYPE_TPS_SETUP_DETAILS, VDXML_TPS_SETUP_DETAILS)
        VDXML_PY_KIND(VDXML_TYPE_TPS_OBSSET, VDXML_TPS_OBSSET)
        VDXML_PY_KIND(VDXML_TYPE_COORDINATESYSTEM, VDXML_COORDINATESYSTEM)
        VDXML_PY_KIND(VDXML_TYPE_TRFRESIDUAL, VDXML_TRFRESIDUAL)
        VDXML_PY_KIND(VDXML_TYPE_GPSBASELINE, VDXML_GPSBASELINE)
        VDXML_PY_KIND(VDXML_TYPE_GPS_REFERENCE, VDXML_GPS_REFERENCE)
        VDXML_PY_KIND(VDXML_TYPE_GPS_ROVER, VDXML_GPS_ROVER)
        VDXML_PY_KIND(VDXML_TYPE_THEMATICAL_CODE, VDXML_THEMATICAL_CODE)
        VDXML_PY_KIND(VDXML_TYPE_THEMATICAL_ATTRIBUTE, VDXML_THEMATICAL_ATTRIBUTE)
#undef VDXML_PY_KIND
        default:
            return false;
    }
}

// The element names, UTF-8, from the vocabulary's tags (built once, on first use).
struct KindNames {
    std::string root = VdXml::tagCompany.utf8(), project = VdXml::tagProject.utf8(),
                point = VdXml::tagPoint.utf8(), coord = VdXml::tagCoord.utf8(),
                dcoord = VdXml::tagDCoord.utf8(), setup = VdXml::tagTpsSetup.utf8(),
                details = VdXml::tagTpsSetupDetails.utf8(), obs = VdXml::tagTpsObsSet.utf8(),
                system = VdXml::tagCoordinateSystem.utf8(), residual = VdXml::tagTrfResidual.utf8(),
                baseline = VdXml::tagGpsBl.utf8(), reference = VdXml::tagRef.utf8(),
                rover = VdXml::tagRov.utf8(), code = VdXml::tagThematicalCode.utf8(),
                attribute = VdXml::tagThematicalAttr.utf8();
};

}  // namespace

const char* KindName(std::int32_t type) {
    static const KindNames names;
    switch (type) {
        case VDXML_TYPE_ROOT:
            return names.root.c_str();
        case VDXML_TYPE_PROJECT:
            return names.project.c_str();
        case VDXML_TYPE_POINT:
            return names.point.c_str();
        case VDXML_TYPE_COORD:
            return names.coord.c_str();
        case VDXML_TYPE_DCOORD:
            return names.dcoord.c_str();
        case VDXML_TYPE_TPS_SETUP:
            return names.setup.c_str();
        case VDXML_TYPE_TPS_SETUP_DETAILS:
            return names.details.c_str();
        case VDXML_TYPE_TPS_OBSSET:
            return names.obs.c_str();
        case VDXML_TYPE_COORDINATESYSTEM:
            return names.system.c_str();
        case VDXML_TYPE_TRFRESIDUAL:
            return names.residual.c_str();
        case VDXML_TYPE_GPSBASELINE:
            return names.baseline.c_str();
        case VDXML_TYPE_GPS_REFERENCE:
            return names.reference.c_str();
        case VDXML_TYPE_GPS_ROVER:
            return names.rover.c_str();
        case VDXML_TYPE_THEMATICAL_CODE:
            return names.code.c_str();
        case VDXML_TYPE_THEMATICAL_ATTRIBUTE:
            return names.attribute.c_str();
        default:
            return nullptr;
    }
}

std::unique_ptr<VDXML_BASE> CopyRecord(const VDXML_BASE& record) {
    std::unique_ptr<VDXML_BASE> copy;
    WithReportedKind(record,
                     [&](const auto& r) { copy = std::make_unique<std::decay_t<decltype(r)>>(r); });
    return copy;
}

py::object RecordToPython(std::unique_ptr<VDXML_BASE> record) {
    py::object out = py::none();
    if (!record) return out;
    WithReportedKind(*record, [&](auto& r) { out = py::cast(std::move(r)); });
    return out;
}

void BindRecords(py::module_& m) {
    m.attr("UNDEFINED") = VDXML_UNDEFINED;
    BindRecord<VDXML_VERSION>(m);
    BindRecord<VDXML_UNITS>(m);
    BindRecord<VDXML_ROOT>(m);
    BindRecord<VDXML_ITEMNAME>(m);
    BindRecord<VDXML_MINMAX>(m);
    BindRecord<VDXML_TIMESPAN>(m);
    BindRecord<VDXML_AVGLIMIT>(m);
    BindRecord<VDXML_MODIFIEDGRID>(m);
    BindRecord<VDXML_PROJECT>(m);
    BindRecord<VDXML_POINT>(m);
    BindRecord<VDXML_QLTY>(m);
    BindRecord<VDXML_CARTESIAN>(m);
    BindRecord<VDXML_GEODETIC>(m);
    BindRecord<VDXML_GRID>(m);
    BindRecord<VDXML_COORD>(m);
    BindRecord<VDXML_SD>(m);
    BindRecord<VDXML_DCARTESIAN>(m);
    BindRecord<VDXML_DGEODETIC>(m);
    BindRecord<VDXML_DGRID>(m);
    BindRecord<VDXML_DCOORD>(m);
    BindRecord<VDXML_ANTENNA>(m);
    BindRecord<VDXML_DOPS>(m);
    BindRecord<VDXML_GPS_REFERENCE>(m);
    BindRecord<VDXML_GPS_ROVER>(m);
    BindRecord<VDXML_GPSBASELINE>(m);
    BindRecord<VDXML_TPS_INSTR_ACCURACY>(m);
    BindRecord<VDXML_TPS_INSTRUMENT>(m);
    BindRecord<VDXML_TPS_SETUP>(m);
    BindRecord<VDXML_TPS_SETUP_DETAILS>(m);
    BindRecord<VDXML_TPS_REFLECTOR>(m);
    BindRecord<VDXML_TPS_OBS_ACCURACY>(m);
    BindRecord<VDXML_TPS_OBSSET>(m);
    BindRecord<VDXML_ELLIPSOID>(m);
    BindRecord<VDXML_PROJECTION>(m);
    BindRecord<VDXML_GEOIDMODEL>(m);
    BindRecord<VDXML_CSCSMODEL>(m);
    BindRecord<VDXML_TRFROTORIGIN>(m);
    BindRecord<VDXML_TRFVECTOR>(m);
    BindRecord<VDXML_TRFHEIGHT>(m);
    BindRecord<VDXML_TRFSTOCHASTICS>(m);
    BindRecord<VDXML_TRFCOLLOCATION>(m);
    BindRecord<VDXML_TRFMEANACCURACY>(m);
    BindRecord<VDXML_TRFSTEP>(m);
    BindRecord<VDXML_RESIDUAL_CARTESIAN>(m);
    BindRecord<VDXML_RESIDUAL_GRID>(m);
    BindRecord<VDXML_TRFRESIDUAL>(m);
    BindRecord<VDXML_TRFSYSTEM>(m);
    BindRecord<VDXML_TRANSFORMATION>(m);
    BindRecord<VDXML_COORDINATESYSTEM>(m);
    BindRecord<VDXML_THEMATICAL_CODELIST>(m);
    BindRecord<VDXML_THEMATICAL_CODEGROUP>(m);
    BindRecord<VDXML_THEMATICAL_CODE>(m);
    BindRecord<VDXML_THEMATICAL_ATTRIBUTE>(m);
    BindRecord<VDXML_THEMATICAL_RANGELIST>(m);
    BindRecord<VDXML_THEMATICAL_CHOICELIST>(m);
    BindRecord<VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION>(m);
    BindRecord<VDXML_STAKEOUT_DESIGN>(m);
    BindRecord<VDXML_STAKEOUT_RESULT>(m);
    // Each reported kind's class names its element, as the reader's records do.
    const auto nameKind = [](auto record) {
        using R = decltype(record);
        py::type::of<R>().attr("kind") = KindName(record.nType);
    };
    nameKind(VDXML_ROOT());
    nameKind(VDXML_PROJECT());
    nameKind(VDXML_POINT());
    nameKind(VDXML_COORD());
    nameKind(VDXML_DCOORD());
    nameKind(VDXML_TPS_SETUP());
    nameKind(VDXML_TPS_SETUP_DETAILS());
    nameKind(VDXML_TPS_OBSSET());
    nameKind(VDXML_COORDINATESYSTEM());
    nameKind(VDXML_TRFRESIDUAL());
    nameKind(VDXML_GPSBASELINE());
    nameKind(VDXML_GPS_REFERENCE());
    nameKind(VDXML_GPS_ROVER());
    nameKind(VDXML_THEMATICAL_CODE());
    nameKind(VDXML_THEMATICAL_ATTRIBUTE());
}

}  // namespace vdxml_py
