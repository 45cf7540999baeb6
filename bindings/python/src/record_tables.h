// One table per record kind: the Python class name, its docstring and its fields, in the
// order of the C++ record. Constants are the record's flag bits, AutoFlags the bits a keyword
// constructor sets for the values it is given.
#pragma once

#include "fields.h"

namespace vdxml_py {

#define VDXML_PY_FIELD(member) MakeField(#member, &R::member)
#define VDXML_PY_CONST(member) \
    Constant { #member, static_cast < long long>(R::member) }
#define VDXML_PY_TABLE(Record, PyName, Doc)         \
    template <>                                     \
    struct Table<Record> {                          \
        using R = Record;                           \
        static constexpr const char* name = PyName; \
        static constexpr const char* doc = Doc;

// ---- File level ----
VDXML_PY_TABLE(VDXML_VERSION, "Version", "The format version; valid when Major is not 0.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Major), VDXML_PY_FIELD(Minor), VDXML_PY_FIELD(Build));
}
};
VDXML_PY_TABLE(VDXML_UNITS, "Units",
               "The file's units. Linear: 1 metres, 2 US survey feet, 3 international feet. "
               "Angular: 1 radians. TimeSystem: 1 local, 2 UTC, 3 GPS.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Linear), VDXML_PY_FIELD(Angular),
                           VDXML_PY_FIELD(TimeSystem));
}
}
;
VDXML_PY_TABLE(VDXML_ROOT, "Root",
               "The file-level record (element \"Company\"): company, application, version "
               "and units.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(NamespaceURI), VDXML_PY_FIELD(Company),
                           VDXML_PY_FIELD(Application), VDXML_PY_FIELD(Version),
                           VDXML_PY_FIELD(Units), VDXML_PY_FIELD(SourceDatasetLocation));
}
}
;
VDXML_PY_TABLE(VDXML_ITEMNAME, "ItemName", "A name with a free note.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(Name), VDXML_PY_FIELD(Note)); }
}
;
VDXML_PY_TABLE(VDXML_MINMAX, "MinMax", "A minimum and a maximum.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(Min), VDXML_PY_FIELD(Max)); }
}
;
VDXML_PY_TABLE(VDXML_TIMESPAN, "TimeSpan",
               "A time span: Start and End as Modified Julian Dates, Span in days; each may be "
               "unset (UNDEFINED).")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Start), VDXML_PY_FIELD(End), VDXML_PY_FIELD(Span));
}
}
;

// ---- Geometry ----
VDXML_PY_TABLE(VDXML_AVGLIMIT, "AvgLimit", "Averaging limits for position and height.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(Pos), VDXML_PY_FIELD(Hgt)); }
}
;
VDXML_PY_TABLE(VDXML_MODIFIEDGRID, "ModifiedGrid",
               "The modified grid of a project; written only when ScaleFactor is not 0.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(ScaleFactor), VDXML_PY_FIELD(FalseNorthing),
                           VDXML_PY_FIELD(FalseEasting));
}
}
;
VDXML_PY_TABLE(VDXML_PROJECT, "Project",
               "A project (element \"Project\"). Name is required for writing; Created is a "
               "Modified Julian Date, Timezone and LeapSecond are days.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Name), VDXML_PY_FIELD(Note), VDXML_PY_FIELD(Timezone),
                           VDXML_PY_FIELD(LeapSecond), VDXML_PY_FIELD(Created),
                           VDXML_PY_FIELD(AvgLimit), VDXML_PY_FIELD(ModifiedGrid),
                           VDXML_PY_FIELD(Manager), VDXML_PY_FIELD(Client), VDXML_PY_FIELD(Street),
                           VDXML_PY_FIELD(MapRef));
}
}
;
VDXML_PY_TABLE(VDXML_POINT, "Point",
               "A point (element \"Pnt\"). Name is required for writing; Class and SubClass are "
               "codes (0 none, 4 measured, 8 control, ...); Epoch a Modified Julian Date.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Name), VDXML_PY_FIELD(Note), VDXML_PY_FIELD(Class),
                           VDXML_PY_FIELD(SubClass), VDXML_PY_FIELD(Epoch));
}
}
;
VDXML_PY_TABLE(VDXML_QLTY, "Qlty",
               "Quality of a coordinate block: unit-weight standard deviation M0 and the upper "
               "triangle of a 3 x 3 cofactor matrix.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(M0), VDXML_PY_FIELD(Q11), VDXML_PY_FIELD(Q12),
                           VDXML_PY_FIELD(Q13), VDXML_PY_FIELD(Q22), VDXML_PY_FIELD(Q23),
                           VDXML_PY_FIELD(Q33));
}
}
;
VDXML_PY_TABLE(VDXML_CARTESIAN, "Cartesian",
               "Earth-centred or local Cartesian coordinates; a value counts only while its flag "
               "bit is set.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(X), VDXML_PY_FIELD(Y),
                           VDXML_PY_FIELD(Z), VDXML_PY_FIELD(Qlty));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagXyz), VDXML_PY_CONST(flagQlty)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"X", R::flagXyz}, {"Y", R::flagXyz}, {"Z", R::flagXyz}, {"Qlty", R::flagQlty}};
}
}
;
VDXML_PY_TABLE(VDXML_GEODETIC, "Geodetic",
               "Geodetic coordinates: Lat and Lon in radians, ellipsoidal (HE) and orthometric "
               "(HO) heights in the linear unit.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Lat), VDXML_PY_FIELD(Lon),
                           VDXML_PY_FIELD(HE), VDXML_PY_FIELD(HO), VDXML_PY_FIELD(Qlty));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagLatLon), VDXML_PY_CONST(flagHE), VDXML_PY_CONST(flagHO),
            VDXML_PY_CONST(flagQlty)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"Lat", R::flagLatLon},
            {"Lon", R::flagLatLon},
            {"HE", R::flagHE},
            {"HO", R::flagHO},
            {"Qlty", R::flagQlty}};
}
}
;
VDXML_PY_TABLE(VDXML_GRID, "Grid",
               "Grid coordinates: easting E, northing N, ellipsoidal (HE) and orthometric (HO) "
               "heights.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(E), VDXML_PY_FIELD(N),
                           VDXML_PY_FIELD(HE), VDXML_PY_FIELD(HO), VDXML_PY_FIELD(Qlty));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagEN), VDXML_PY_CONST(flagHE), VDXML_PY_CONST(flagHO),
            VDXML_PY_CONST(flagQlty)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"E", R::flagEN},
            {"N", R::flagEN},
            {"HE", R::flagHE},
            {"HO", R::flagHO},
            {"Qlty", R::flagQlty}};
}
}
;
VDXML_PY_TABLE(VDXML_COORD, "Coord",
               "A coordinate of a point (element \"Crd\") in up to five representations: "
               "Wgs84Xyz, Wgs84Llh, LocalXyz, LocalLlh, LocalEnh. Type is the dimension "
               "(1, 2, 3; 0 counts as 3).")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Type), VDXML_PY_FIELD(SourcePos),
                           VDXML_PY_FIELD(SourceHgt), VDXML_PY_FIELD(AvgStatus),
                           VDXML_PY_FIELD(Wgs84Xyz), VDXML_PY_FIELD(Wgs84Llh),
                           VDXML_PY_FIELD(LocalXyz), VDXML_PY_FIELD(LocalLlh),
                           VDXML_PY_FIELD(LocalEnh), VDXML_PY_FIELD(GeoidSeparation));
}
static std::vector<Constant> Constants() { return {VDXML_PY_CONST(flagGeoidSeparation)}; }
static std::vector<AutoFlag> AutoFlags() { return {{"GeoidSeparation", R::flagGeoidSeparation}}; }
}
;
VDXML_PY_TABLE(VDXML_SD, "Sd", "Standard deviations of polar elements.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(SdAzi), VDXML_PY_FIELD(SdDir),
                           VDXML_PY_FIELD(SdZen), VDXML_PY_FIELD(SdDistS), VDXML_PY_FIELD(SdDistHz),
                           VDXML_PY_FIELD(SdDH), VDXML_PY_FIELD(SdBl));
}
}
;
VDXML_PY_TABLE(VDXML_DCARTESIAN, "DCartesian", "A Cartesian coordinate difference.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(DX), VDXML_PY_FIELD(DY),
                           VDXML_PY_FIELD(DZ), VDXML_PY_FIELD(Qlty));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagDXyz), VDXML_PY_CONST(flagQlty)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"DX", R::flagDXyz}, {"DY", R::flagDXyz}, {"DZ", R::flagDXyz}, {"Qlty", R::flagQlty}};
}
}
;
VDXML_PY_TABLE(VDXML_DGEODETIC, "DGeodetic",
               "A geodetic coordinate difference with polar elements (angles in radians).")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(DLat), VDXML_PY_FIELD(DLon),
                           VDXML_PY_FIELD(DH), VDXML_PY_FIELD(Qlty), VDXML_PY_FIELD(Azi),
                           VDXML_PY_FIELD(Zen), VDXML_PY_FIELD(DistS), VDXML_PY_FIELD(DistHz),
                           VDXML_PY_FIELD(SdAbs), VDXML_PY_FIELD(SdRel), VDXML_PY_FIELD(D2D),
                           VDXML_PY_FIELD(D3D));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagPosition), VDXML_PY_CONST(flagDH),    VDXML_PY_CONST(flagQlty),
            VDXML_PY_CONST(flagAzi),      VDXML_PY_CONST(flagZen),   VDXML_PY_CONST(flagDistS),
            VDXML_PY_CONST(flagDistHz),   VDXML_PY_CONST(flagSdAbs), VDXML_PY_CONST(flagSdRel),
            VDXML_PY_CONST(flagD2D),      VDXML_PY_CONST(flagD3D)};
}
}
;
VDXML_PY_TABLE(VDXML_DGRID, "DGrid", "A grid coordinate difference with polar elements.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(DE), VDXML_PY_FIELD(DN),
                           VDXML_PY_FIELD(DH), VDXML_PY_FIELD(Qlty), VDXML_PY_FIELD(Azi),
                           VDXML_PY_FIELD(Dir), VDXML_PY_FIELD(Zen), VDXML_PY_FIELD(DistS),
                           VDXML_PY_FIELD(DistHz), VDXML_PY_FIELD(SdAbs), VDXML_PY_FIELD(SdRel),
                           VDXML_PY_FIELD(D2D), VDXML_PY_FIELD(D3D));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagPosition), VDXML_PY_CONST(flagDH),    VDXML_PY_CONST(flagQlty),
            VDXML_PY_CONST(flagAzi),      VDXML_PY_CONST(flagZen),   VDXML_PY_CONST(flagDistS),
            VDXML_PY_CONST(flagDistHz),   VDXML_PY_CONST(flagSdAbs), VDXML_PY_CONST(flagSdRel),
            VDXML_PY_CONST(flagD2D),      VDXML_PY_CONST(flagD3D),   VDXML_PY_CONST(flagDir)};
}
}
;
VDXML_PY_TABLE(VDXML_DCOORD, "DCoord",
               "A coordinate difference (element \"DCrd\") in up to five representations, with "
               "centring accuracies.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Wgs84DXyz),
                           VDXML_PY_FIELD(Wgs84DLlh), VDXML_PY_FIELD(LocalDXyz),
                           VDXML_PY_FIELD(LocalDLlh), VDXML_PY_FIELD(LocalDEnh),
                           VDXML_PY_FIELD(ACPos), VDXML_PY_FIELD(ACHgt));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagACPos), VDXML_PY_CONST(flagACHgt)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"ACPos", R::flagACPos}, {"ACHgt", R::flagACHgt}};
}
}
;

// ---- GPS ----
VDXML_PY_TABLE(VDXML_ANTENNA, "Antenna", "A receiver antenna with its offsets.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(AntType), VDXML_PY_FIELD(AntName),
                           VDXML_PY_FIELD(AntSn), VDXML_PY_FIELD(AntVO), VDXML_PY_FIELD(AntHzO),
                           VDXML_PY_FIELD(AntL1PhO), VDXML_PY_FIELD(AntL2PhO),
                           VDXML_PY_FIELD(AntL1EPhO), VDXML_PY_FIELD(AntL1NPhO),
                           VDXML_PY_FIELD(AntL2EPhO), VDXML_PY_FIELD(AntL2NPhO));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagAntenna), VDXML_PY_CONST(flagAntName), VDXML_PY_CONST(flagAntType),
            VDXML_PY_CONST(flagAntSn), VDXML_PY_CONST(flagPhaseCentres)};
}
}
;
VDXML_PY_TABLE(VDXML_DOPS, "Dops", "Dilution-of-precision figures.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(HDOP), VDXML_PY_FIELD(VDOP),
                           VDXML_PY_FIELD(ReservedDOP), VDXML_PY_FIELD(PDOP), VDXML_PY_FIELD(GDOP));
}
static std::vector<AutoFlag> AutoFlags() {
    return {
        {"HDOP", R::flagHDOP}, {"VDOP", R::flagVDOP}, {"PDOP", R::flagPDOP}, {"GDOP", R::flagGDOP}};
}
}
;
#define VDXML_PY_GPS_SETUP_FIELDS                                                      \
    VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(SensorType), VDXML_PY_FIELD(SensorSerialNr), \
        VDXML_PY_FIELD(Antenna), VDXML_PY_FIELD(AntHgt)
#define VDXML_PY_GPS_SETUP_CONSTANTS                                             \
    static std::vector<Constant> Constants() {                                   \
        return {VDXML_PY_CONST(flagSetup), VDXML_PY_CONST(flagSensorType),       \
                VDXML_PY_CONST(flagSensorSerialNr), VDXML_PY_CONST(flagAntHgt)}; \
    }                                                                            \
    static std::vector<AutoFlag> AutoFlags() {                                   \
        return {{"SensorType", R::flagSetup | R::flagSensorType},                \
                {"SensorSerialNr", R::flagSetup | R::flagSensorSerialNr},        \
                {"AntHgt", R::flagSetup | R::flagAntHgt}};                       \
    }
VDXML_PY_TABLE(VDXML_GPS_REFERENCE, "GpsReference",
               "The reference receiver's setup (element \"Ref\").")
static auto Fields() { return std::make_tuple(VDXML_PY_GPS_SETUP_FIELDS); }
VDXML_PY_GPS_SETUP_CONSTANTS
}
;
VDXML_PY_TABLE(VDXML_GPS_ROVER, "GpsRover",
               "The rover's setup (element \"Rov\") with the time span of its common epochs "
               "and its dilution-of-precision figures.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_GPS_SETUP_FIELDS, VDXML_PY_FIELD(TSCE), VDXML_PY_FIELD(DOPs));
}
VDXML_PY_GPS_SETUP_CONSTANTS
}
;
VDXML_PY_TABLE(VDXML_GPSBASELINE, "GpsBaseline",
               "The baseline between reference and rover (element \"GpsBl\"): its vector and "
               "accuracy as a coordinate difference.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(DCoord)); }
static std::vector<Constant> Constants() { return {VDXML_PY_CONST(flagBaseline)}; }
static std::vector<AutoFlag> AutoFlags() { return {{"DCoord", R::flagBaseline}}; }
}
;

// ---- Total station ----
VDXML_PY_TABLE(VDXML_TPS_INSTR_ACCURACY, "TpsInstrAccuracy",
               "Nominal accuracy of an instrument; given only when all three are above 0.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(AbsDistance), VDXML_PY_FIELD(RelDistance),
                           VDXML_PY_FIELD(Angle));
}
}
;
VDXML_PY_TABLE(VDXML_TPS_INSTRUMENT, "TpsInstrument", "The instrument of a setup.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(ItemName), VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Type),
                           VDXML_PY_FIELD(InstrSn), VDXML_PY_FIELD(InstrInfo),
                           VDXML_PY_FIELD(Accuracy));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagInstrument), VDXML_PY_CONST(flagType), VDXML_PY_CONST(flagInstrSn),
            VDXML_PY_CONST(flagInstrInfo)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"Type", R::flagInstrument | R::flagType},
            {"InstrSn", R::flagInstrSn},
            {"InstrInfo", R::flagInstrInfo}};
}
}
;
VDXML_PY_TABLE(VDXML_TPS_SETUP, "TpsSetup",
               "One occupation of a station by a total station (element \"TpsSetup\"); "
               "InstrOrientation in radians, Time a Modified Julian Date.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(InstrHgt),
                           VDXML_PY_FIELD(Instrument), VDXML_PY_FIELD(InstrOrientation),
                           VDXML_PY_FIELD(Time));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagInstrHgt), VDXML_PY_CONST(flagInstrOrientation)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"InstrHgt", R::flagInstrHgt}, {"InstrOrientation", R::flagInstrOrientation}};
}
}
;
VDXML_PY_TABLE(VDXML_TPS_SETUP_DETAILS, "TpsSetupDetails",
               "How a setup was oriented (element \"TpsSetupDetails\"): Method 1 set azimuth, "
               "2 known backsight, 3 resection, ...")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(Method)); }
}
;
VDXML_PY_TABLE(VDXML_TPS_REFLECTOR, "TpsReflector",
               "The reflector aimed at; Type 0xFFFFFFFF means none.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Type), VDXML_PY_FIELD(Hgt));
}
static std::vector<Constant> Constants() { return {VDXML_PY_CONST(flagReflector)}; }
static std::vector<AutoFlag> AutoFlags() {
    return {{"Type", R::flagReflector}, {"Hgt", R::flagReflector}};
}
}
;
VDXML_PY_TABLE(VDXML_TPS_OBS_ACCURACY, "TpsObsAccuracy", "Accuracy figures of one measurement.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(AbsHz), VDXML_PY_FIELD(RelHz),
                           VDXML_PY_FIELD(AbsVAngle), VDXML_PY_FIELD(RelVAngle),
                           VDXML_PY_FIELD(AbsDistanceSlope), VDXML_PY_FIELD(RelDistanceSlope),
                           VDXML_PY_FIELD(AbsDistanceHorizontal),
                           VDXML_PY_FIELD(RelDistanceHorizontal));
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"AbsHz", R::flagAbsHz},
            {"RelHz", R::flagRelHz},
            {"AbsVAngle", R::flagAbsVAngle},
            {"RelVAngle", R::flagRelVAngle},
            {"AbsDistanceSlope", R::flagAbsDistanceSlope},
            {"RelDistanceSlope", R::flagRelDistanceSlope},
            {"AbsDistanceHorizontal", R::flagAbsDistanceHorizontal},
            {"RelDistanceHorizontal", R::flagRelDistanceHorizontal}};
}
}
;
VDXML_PY_TABLE(VDXML_TPS_OBSSET, "TpsObsSet",
               "One total-station measurement (element \"TpsObsSet\"): Hz and Zen in radians, "
               "distances in the linear unit, Time a Modified Julian Date.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(FaceType), VDXML_PY_FIELD(Flags),
                           VDXML_PY_FIELD(Reflector), VDXML_PY_FIELD(Time),
                           VDXML_PY_FIELD(Accuracy), VDXML_PY_FIELD(Hz), VDXML_PY_FIELD(Zen),
                           VDXML_PY_FIELD(DistS), VDXML_PY_FIELD(DH), VDXML_PY_FIELD(DistHz));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagHz), VDXML_PY_CONST(flagZen), VDXML_PY_CONST(flagDistS),
            VDXML_PY_CONST(flagDH), VDXML_PY_CONST(flagDistHz)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"Hz", R::flagHz},
            {"Zen", R::flagZen},
            {"DistS", R::flagDistS},
            {"DH", R::flagDH},
            {"DistHz", R::flagDistHz}};
}
}
;

// ---- Coordinate systems and transformations ----
#define VDXML_PY_ITEM_FIELDS VDXML_PY_FIELD(Name), VDXML_PY_FIELD(Note)
VDXML_PY_TABLE(VDXML_ELLIPSOID, "Ellipsoid",
               "An ellipsoid: SemiMajorAxis and the flattening itself (not its inverse).")
static auto Fields() {
    return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(SemiMajorAxis),
                           VDXML_PY_FIELD(Flattening));
}
}
;
VDXML_PY_TABLE(VDXML_PROJECTION, "Projection", "A map projection; Type is its code (0 none).")
static auto Fields() { return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(Type)); }
}
;
VDXML_PY_TABLE(VDXML_GEOIDMODEL, "GeoidModel", "A geoid model; Type 1 geodetic, 2 grid.")
static auto Fields() { return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(Type)); }
}
;
VDXML_PY_TABLE(VDXML_CSCSMODEL, "CscsModel", "A country-specific coordinate-system model.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(Method),
                           VDXML_PY_FIELD(Interpolation));
}
}
;
VDXML_PY_TABLE(VDXML_TRFROTORIGIN, "TrfRotOrigin", "The origin of a step's rotations.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(X0), VDXML_PY_FIELD(Y0),
                           VDXML_PY_FIELD(Z0));
}
}
;
VDXML_PY_TABLE(VDXML_TRFVECTOR, "TrfVector",
               "Three parameters of a step (shifts, rotations or scales) with their quality.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(X), VDXML_PY_FIELD(Y),
                           VDXML_PY_FIELD(Z), VDXML_PY_FIELD(Qlty));
}
}
;
VDXML_PY_TABLE(VDXML_TRFHEIGHT, "TrfHeight", "The height plane of a height transformation.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(ParameterA),
                           VDXML_PY_FIELD(ParameterB), VDXML_PY_FIELD(ParameterC),
                           VDXML_PY_FIELD(InclinationXAxis), VDXML_PY_FIELD(InclinationYAxis),
                           VDXML_PY_FIELD(MeanAccuracy));
}
}
;
VDXML_PY_TABLE(VDXML_TRFSTOCHASTICS, "TrfStochastics", "A-priori and a-posteriori accuracy.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Apriori),
                           VDXML_PY_FIELD(Aposteriori));
}
}
;
VDXML_PY_TABLE(VDXML_TRFCOLLOCATION, "TrfCollocation", "The collocation matrix and distortions.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Distortion2D),
                           VDXML_PY_FIELD(Distortion1D), VDXML_PY_FIELD(Element11),
                           VDXML_PY_FIELD(Element12), VDXML_PY_FIELD(Element21),
                           VDXML_PY_FIELD(Element22), VDXML_PY_FIELD(DistortionRightAngle));
}
}
;
VDXML_PY_TABLE(VDXML_TRFMEANACCURACY, "TrfMeanAccuracy", "Mean accuracy in X and Y.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(MeanX), VDXML_PY_FIELD(MeanY));
}
}
;
VDXML_PY_TABLE(VDXML_TRFSTEP, "TrfStep", "One step of a transformation.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(StepType), VDXML_PY_FIELD(Model),
                           VDXML_PY_FIELD(RotOrigin), VDXML_PY_FIELD(Shift),
                           VDXML_PY_FIELD(Rotation), VDXML_PY_FIELD(Scale), VDXML_PY_FIELD(Height),
                           VDXML_PY_FIELD(Stochastics), VDXML_PY_FIELD(Collocation),
                           VDXML_PY_FIELD(MeanAccuracy));
}
}
;
VDXML_PY_TABLE(VDXML_RESIDUAL_CARTESIAN, "ResidualCartesian", "A Cartesian residual.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(DX), VDXML_PY_FIELD(DY),
                           VDXML_PY_FIELD(DZ), VDXML_PY_FIELD(Qlty));
}
}
;
VDXML_PY_TABLE(VDXML_RESIDUAL_GRID, "ResidualGrid", "A grid residual with height residuals.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(DE), VDXML_PY_FIELD(DN),
                           VDXML_PY_FIELD(DHE), VDXML_PY_FIELD(DHO), VDXML_PY_FIELD(Qlty));
}
}
;
VDXML_PY_TABLE(VDXML_TRFRESIDUAL, "TrfResidual",
               "The residual at one control point of a transformation (element "
               "\"TrfResidual\").")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Type), VDXML_PY_FIELD(SourceName),
                           VDXML_PY_FIELD(SourceXyz), VDXML_PY_FIELD(SourceEnh),
                           VDXML_PY_FIELD(TargetName), VDXML_PY_FIELD(TargetXyz),
                           VDXML_PY_FIELD(TargetEnh), VDXML_PY_FIELD(DDistance),
                           VDXML_PY_FIELD(ResidualXyz), VDXML_PY_FIELD(ResidualEnh));
}
}
;
VDXML_PY_TABLE(VDXML_TRFSYSTEM, "TrfSystem", "The source or target system of a transformation.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(Ellipsoid),
                           VDXML_PY_FIELD(Projection));
}
}
;
VDXML_PY_TABLE(VDXML_TRANSFORMATION, "Transformation",
               "A transformation from a source to a target system with its steps and "
               "residuals; Type is required.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(Type),
                           VDXML_PY_FIELD(ResidualDistribution), VDXML_PY_FIELD(HeightMode),
                           VDXML_PY_FIELD(SourceSystem), VDXML_PY_FIELD(TargetSystem),
                           VDXML_PY_FIELD(Steps), VDXML_PY_FIELD(Residuals));
}
}
;
VDXML_PY_TABLE(VDXML_COORDINATESYSTEM, "CoordinateSystem",
               "A coordinate system (element \"CoordinateSystem\"): Name is required; Created "
               "a Modified Julian Date.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_ITEM_FIELDS, VDXML_PY_FIELD(Created), VDXML_PY_FIELD(Ellipsoid),
                           VDXML_PY_FIELD(Projection), VDXML_PY_FIELD(Transformation),
                           VDXML_PY_FIELD(GeoidModel), VDXML_PY_FIELD(CscsModel));
}
}
;

// ---- Thematic ----
VDXML_PY_TABLE(VDXML_THEMATICAL_CODELIST, "ThematicalCodeList", "A named list of codes.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(ItemName)); }
}
;
VDXML_PY_TABLE(VDXML_THEMATICAL_CODEGROUP, "ThematicalCodeGroup",
               "A named group of codes; the name is required.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(ItemName)); }
}
;
VDXML_PY_TABLE(VDXML_THEMATICAL_CODE, "ThematicalCode",
               "One code (element \"ThematicalCode\"): name, geometry type (1 point, 2 line, "
               "3 area) and description.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(ItemName), VDXML_PY_FIELD(Type),
                           VDXML_PY_FIELD(CodeDesc));
}
}
;
VDXML_PY_TABLE(VDXML_THEMATICAL_ATTRIBUTE, "ThematicalAttribute",
               "One attribute value (element \"ThematicalAttr\"). ValueType 1 takes LongValue, "
               "3 DoubleValue, 4 TextValue; reading puts the value's text into TextValue.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(ItemName), VDXML_PY_FIELD(Flags),
                           VDXML_PY_FIELD(ValueType), VDXML_PY_FIELD(LongValue),
                           VDXML_PY_FIELD(DoubleValue), VDXML_PY_FIELD(TextValue));
}
static std::vector<Constant> Constants() { return {VDXML_PY_CONST(flagAttribute)}; }
static std::vector<AutoFlag> AutoFlags() { return {{"ItemName", R::flagAttribute}}; }
}
;
VDXML_PY_TABLE(VDXML_THEMATICAL_RANGELIST, "ThematicalRangeList",
               "The range of an attribute's values; Type 0 no range, 1 whole numbers, 2 reals.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(MinMax), VDXML_PY_FIELD(Type)); }
}
;
VDXML_PY_TABLE(VDXML_THEMATICAL_CHOICELIST, "ThematicalChoiceList",
               "The values an attribute may take; written when Type is not 0.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Type), VDXML_PY_FIELD(Longs), VDXML_PY_FIELD(Doubles),
                           VDXML_PY_FIELD(Texts));
}
}
;
VDXML_PY_TABLE(VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION, "ThematicalAttributeDescription",
               "The description of an attribute: value type, kind, defaults, range, choices.")
static auto Fields() {
    return std::make_tuple(
        VDXML_PY_FIELD(ItemName), VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(ValueType),
        VDXML_PY_FIELD(Type), VDXML_PY_FIELD(DefaultLong), VDXML_PY_FIELD(DefaultDouble),
        VDXML_PY_FIELD(DefaultText), VDXML_PY_FIELD(Range), VDXML_PY_FIELD(Choices));
}
static std::vector<Constant> Constants() {
    return {VDXML_PY_CONST(flagDescription), VDXML_PY_CONST(flagDefaultText),
            VDXML_PY_CONST(flagDefaultLong), VDXML_PY_CONST(flagDefaultDouble),
            VDXML_PY_CONST(flagRange),       VDXML_PY_CONST(flagChoices)};
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"ItemName", R::flagDescription},
            {"DefaultText", R::flagDefaultText},
            {"DefaultLong", R::flagDefaultLong},
            {"DefaultDouble", R::flagDefaultDouble},
            {"Range", R::flagRange},
            {"Choices", R::flagChoices}};
}
}
;

// ---- Stakeout ----
VDXML_PY_TABLE(VDXML_STAKEOUT_DESIGN, "StakeoutDesign",
               "A design point with its design coordinate; written only when the point has a "
               "name and a class.")
static auto Fields() { return std::make_tuple(VDXML_PY_FIELD(Point), VDXML_PY_FIELD(Coord)); }
}
;
VDXML_PY_TABLE(VDXML_STAKEOUT_RESULT, "StakeoutResult",
               "One stakeout result: the staked point, its coordinate, a coordinate difference "
               "and further differences.")
static auto Fields() {
    return std::make_tuple(VDXML_PY_FIELD(Flags), VDXML_PY_FIELD(Type), VDXML_PY_FIELD(HgtModel),
                           VDXML_PY_FIELD(Point), VDXML_PY_FIELD(Coord), VDXML_PY_FIELD(DCoord),
                           VDXML_PY_FIELD(CoordDiff1D), VDXML_PY_FIELD(CoordDiff2D),
                           VDXML_PY_FIELD(CoordDiff3D), VDXML_PY_FIELD(DiffInOut),
                           VDXML_PY_FIELD(DiffLeftRight), VDXML_PY_FIELD(HgtOffset));
}
static std::vector<AutoFlag> AutoFlags() {
    return {{"CoordDiff1D", R::flagCoordDiff1D},     {"CoordDiff2D", R::flagCoordDiff2D},
            {"CoordDiff3D", R::flagCoordDiff3D},     {"DiffInOut", R::flagDiffInOut},
            {"DiffLeftRight", R::flagDiffLeftRight}, {"HgtOffset", R::flagHgtOffset}};
}
}
;

#undef VDXML_PY_ITEM_FIELDS
#undef VDXML_PY_GPS_SETUP_FIELDS
#undef VDXML_PY_GPS_SETUP_CONSTANTS
#undef VDXML_PY_TABLE
#undef VDXML_PY_CONST
#undef VDXML_PY_FIELD

}  // namespace vdxml_py
