// CVdXmlNode: the element wrapper through which every element of a document is written.
// A node knows the document's root (and through it the back end), creates its own element
// below a parent and appends entries: child elements holding one value as text.
#pragma once

#include <cstdint>
#include <ctime>
#include <list>

#include "vdxml/backend.h"
#include "vdxml/enum_text.h"
#include "vdxml/reading_map.h"
#include "vdxml/records.h"
#include "vdxml/root.h"

/// The root pointer shared by every node of a document, and the static value readers.
class CVdXmlNodeBase {
  public:
    CVdXmlNodeBase() = default;
    CVdXmlNodeBase(const CVdXmlNodeBase& other) = default;  // shares the root
    CVdXmlNodeBase& operator=(const CVdXmlNodeBase&) = delete;
    virtual ~CVdXmlNodeBase() = default;

    const _vdxml_ptr<CVdXmlRoot>& GetRoot() const { return m_root; }
    /// The root's namespace URI; empty when the node has no root.
    const _bstr_t& GetNamespaceURI() const;
    /// The root's back end, or null when there is no root or no back end.
    _vdxml_ptr<IVdXmlDoc> GetXmlDocument() const;

  protected:
    /// E_FAIL for a null root; S_OK when it is the node's root already; else shares it.
    long Initialize(const _vdxml_ptr<CVdXmlRoot>& root);

    /// Calendar date and time of a Modified Julian Date (Gregorian, truncating conversions).
    void DateTimeFromMjd(double mjd, tm& t, double& fraction) const;
    /// Calendar date and time of an OLE Automation date (days since 30 December 1899).
    void DateTimeFromOle(double oleDate, tm& t, double& fraction) const;

    /// Reads the descendants of element by the map: see VDXML_MAP_PARSE_NODEDATA.
    static long ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map);
    /// Converts one text into one destination by the format; E_FAIL for a null destination
    /// or an unknown format.
    static long AssignValue(const _bstr_t& text, VDXML_PARSE_NODEDATA::enmFormat format,
                            void* data);

  private:
    static long _ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map, int level);

    _vdxml_ptr<CVdXmlRoot> m_root;
};

/// Attribute lists, passed by pointer (null for none).
using VDXML_ATTRIBUTES = std::list<VDXML_ATTRIBUTE>;

// ---- Geometry blocks: records and element classes (see geometry_records.h) ----
struct VDXML_POINT;
struct VDXML_QLTY;
struct VDXML_CARTESIAN;
struct VDXML_GEODETIC;
struct VDXML_GRID;
struct VDXML_COORD;
struct VDXML_SD;
struct VDXML_DCARTESIAN;
struct VDXML_DGEODETIC;
struct VDXML_DGRID;
struct VDXML_DCOORD;
enum VDXML_COORD_TYPE : std::int32_t;  // VDXML_COORD::enmType
class CVdXmlPoint;
class CVdXmlCoord;
class CVdXmlDCoord;
// ---- end of geometry forward declarations ----

// ---- Coordinate systems and transformations: records and element classes (see trf_records.h) ----
struct VDXML_TRFSTEP;
struct VDXML_RESIDUAL_CARTESIAN;
struct VDXML_RESIDUAL_GRID;
struct VDXML_TRFRESIDUAL;
struct VDXML_ELLIPSOID;
struct VDXML_PROJECTION;
struct VDXML_GEOIDMODEL;
struct VDXML_CSCSMODEL;
struct VDXML_TRANSFORMATION;
struct VDXML_COORDINATESYSTEM;
class CVdXmlTrfResidual;
class CVdXmlCoordinateSystem;
// ---- end of coordinate-system forward declarations ----

// ---- GPS, thematic and stakeout: records and element classes ----
// (gps_records.h, thematic_records.h, stakeout_records.h)
struct VDXML_ANTENNA;
struct VDXML_DOPS;
struct VDXML_THEMATICAL_CODELIST;
struct VDXML_THEMATICAL_CODEGROUP;
struct VDXML_THEMATICAL_CODE;
struct VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION;
struct VDXML_THEMATICAL_ATTRIBUTE;
struct VDXML_STAKEOUT_DESIGN;
struct VDXML_STAKEOUT_RESULT;
class CVdXmlApplStakeout;
// ---- end of GPS, thematic and stakeout forward declarations ----

class CVdXmlNode : public CVdXmlNodeBase {
  public:
    /// A node without a root: it takes the root of the parent given to Create.
    CVdXmlNode();
    /// A node sharing owner's root.
    explicit CVdXmlNode(const CVdXmlNodeBase& owner);
    CVdXmlNode(const CVdXmlNode&) = delete;
    CVdXmlNode& operator=(const CVdXmlNode&) = delete;
    ~CVdXmlNode() override;

    /// Creates this node's element as the document's root element.
    long Create(const _bstr_t& name, std::list<VDXML_ATTRIBUTE>* attrs);
    /// Creates this node's element as the last child of parent.
    long Create(VDXML_ELEMENT* parent, const _bstr_t& name,
                const std::list<VDXML_ATTRIBUTE>* attrs);
    /// Creates this node's element below parent's element, taking parent's root when needed.
    long Create(const CVdXmlNode& parent, const _bstr_t& name,
                const std::list<VDXML_ATTRIBUTE>* attrs);
    /// Binds this node to an existing DOM node below owner's document.
    long AssignNode(const CVdXmlNode& owner, IXMLDOMNodePtr node);

    VDXML_ELEMENT* GetElement() const { return m_element; }
    /// The entry most recently appended to this node (until the next entry).
    VDXML_ELEMENT* GetPreviousEntry() const { return m_previous; }

    /// A text entry; the text passes through the code page and loses control characters.
    long InsertEntry(const _bstr_t& name, _bstr_t value,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// A fixed-point number with precision decimals. NaN, infinities and values not strictly
    /// within +-DBL_MAX are not written: S_FALSE.
    long InsertEntry(const _bstr_t& name, double value, unsigned int precision,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// Always written, also NaN ("nan"), with precision decimals of the widened value.
    long InsertEntry(const _bstr_t& name, float value, unsigned int precision,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// A signed 32-bit number (the value is taken modulo 2^32).
    long InsertEntry(const _bstr_t& name, long value,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// An unsigned 32-bit number (the value is taken modulo 2^32).
    long InsertEntry(const _bstr_t& name, unsigned long value,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// A byte, written as a number.
    long InsertEntry(const _bstr_t& name, unsigned char value,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;

    /// A date-time entry "YYYY-MM-DDThh:mm:ss.ssss" carrying "dt:dt" = "datetime".
    long InsertEntryDateTimeTm(const _bstr_t& name, const tm& t, double fraction,
                               const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    long InsertEntryDateTimeMjd(const _bstr_t& name, double mjd,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    long InsertEntryDateTimeOle(const _bstr_t& name, double oleDate,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// A time span in days as "[-]PnDTnHnMn.nnnnS".
    long InsertEntryTimeSpanMjd(const _bstr_t& name, double days,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    long InsertEntryTimeSpanOle(const _bstr_t& name, double days,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;

    /// E_FAIL for an empty text or without back end; S_OK (nothing written) otherwise.
    long InsertComment(const _bstr_t& text) const;
    /// An enumerated value: the unsigned entry, then its text from table as a comment;
    /// a code without a text fails with E_FAIL after the number was written.
    long InsertEnumerated(const _bstr_t& name, unsigned long value, const VdXmlEnumTable& table,
                          const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// The same for a signed value, written with its sign.
    long InsertEnumeratedSigned(const _bstr_t& name, long value, const VdXmlEnumTable& table,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;

    /// "Name" (required) and "Note" (when not empty).
    long InsertItemName(const VDXML_ITEMNAME& item);
    long InsertError(const _bstr_t& tag, const VDXML_ERROR& error, CVdXmlNode& out) const;
    long InsertError(const _bstr_t& tag, const VDXML_ERROR& error) const;
    long InsertWarning(const _bstr_t& tag, const VDXML_WARNING& warning, CVdXmlNode& out) const;
    long InsertWarning(const _bstr_t& tag, const VDXML_WARNING& warning) const;
    long InsertMinMax(const _bstr_t& tag, const VDXML_MINMAX& mm, unsigned int precision,
                      CVdXmlNode& out) const;
    long InsertMinMax(const _bstr_t& tag, const VDXML_MINMAX& mm, unsigned int precision) const;
    /// "Start", "End", "Span"; a missing one is computed from the other two and marked.
    long InsertTimeSpan(const _bstr_t& tag, const VDXML_TIMESPAN& ts, CVdXmlNode& out) const;
    long InsertTimeSpan(const _bstr_t& tag, const VDXML_TIMESPAN& ts) const;
    long InsertTimeSpan(const _bstr_t& tag, const VDXML_VEC_TIMESPAN& spans) const;
    long InsertVersion(const VDXML_VERSION& version, CVdXmlNode& out) const;
    long InsertVersion(const VDXML_VERSION& version) const;

    // ---- Geometry blocks: points, coordinates, quality, coordinate differences ----
    // Each writer appends its entries to this node, in a fixed order, and returns the first
    // failure (what was written stays). Numbers use 5 decimals for lengths, 15 for angles
    // and 8 for cofactors.

    /// Writes a "Pnt" element below this node through point.Create.
    long InsertPoint(const VDXML_POINT& point, CVdXmlPoint& out) const;
    /// Writes a "Crd" element below this node through coord.Create.
    long InsertCoord(const VDXML_COORD& coord, CVdXmlCoord& out) const;
    /// Writes a "DCrd" element below this node through dcoord.Create.
    long InsertDCoord(const VDXML_DCOORD& dcoord, CVdXmlDCoord& out) const;

    /// "X", "Y", "Z"; E_FAIL when the coordinates are not flagged as given.
    long InsertCartesian(const VDXML_CARTESIAN& xyz) const;
    /// "Lat", "Lon" (15 decimals), "HE", "HO", each by its flag; E_FAIL when none is flagged.
    long InsertGeodetic(const VDXML_GEODETIC& llh) const;
    /// "E", "N", "HE", "HO", each by its flag; E_FAIL when none is flagged.
    long InsertGrid(const VDXML_GRID& enh) const;
    /// Cofactors of the given dimension with M0 and the derived standard deviations "Sd1" to
    /// "Sd3" (marked computed). Dimension 1 writes M0, Q33, Sd3; 2 writes M0, Q11, Q12, Q22,
    /// Sd1, Sd2; 3 writes all. E_FAIL for dimension 0.
    long InsertQlty(VDXML_COORD_TYPE dimension, const VDXML_QLTY& qlty) const;
    /// The coordinate quality "Pos", "Hgt", "PosHgt" of the given dimension, all computed from
    /// the cofactors (negative or NaN sums count as 0). E_FAIL for dimension 0.
    long InsertCQ(VDXML_COORD_TYPE dimension, const VDXML_QLTY& qlty) const;

    /// "DX", "DY", "DZ"; E_FAIL when the differences are not flagged as given.
    long InsertDCartesian(const VDXML_DCARTESIAN& dxyz) const;
    /// "DLat", "DLon", "DH", "Azi", "Zen", "DistS", "DistHz", "D2D", "D3D"; missing height
    /// differences and distances are derived from the zenith angle (marked computed), angles
    /// are reduced by whole turns. E_FAIL when nothing is written.
    long InsertDGeodetic(const VDXML_DGEODETIC& dllh) const;
    /// "DE", "DN", "DH", "Azi", "Dir", "Zen", "DistS", "DistHz", "D2D", "D3D", derived as for
    /// InsertDGeodetic.
    long InsertDGrid(const VDXML_DGRID& denh) const;
    /// Absolute standard deviations, each by its flag: angles 15 decimals, lengths 5.
    long InsertSdAbs(const VDXML_SD& sd) const;
    /// Relative standard deviations, each followed by its unit as a comment ("rad.km", "ppm",
    /// "m/sqrt(km)" ...); E_FAIL after an entry whose unit the document's units do not name.
    long InsertSdRel(const VDXML_SD& sd) const;
    // ---- end of geometry blocks ----

    // ---- Coordinate systems and transformations ----
    // Each writer appends to this node in a fixed order and returns the first failure (what
    // was written stays). Reference models write their item name only when they have a name
    // and return E_FAIL when they write nothing at all.

    /// One transformation step into its "TrfStep" node: "Name", "Note", "TrfStepType",
    /// "TrfModel" (unless -1; 0 fails after its number) and "TrfParameters", always, with the
    /// flagged parameter blocks. The parameter quality uses plain square roots of the
    /// cofactors (no M0, no clamping; NaN is skipped) and the shift's M0 throughout. S_OK or
    /// the first failure.
    long InsertTrfStep(const VDXML_TRFSTEP& step) const;
    /// "DX", "DY", "DZ"; E_FAIL when the residual is not flagged as given.
    long InsertResidualCartesian(const VDXML_RESIDUAL_CARTESIAN& residual) const;
    /// "DE", "DN", "DHE", "DHO", each by its flag; E_FAIL when none is flagged.
    long InsertResidualGrid(const VDXML_RESIDUAL_GRID& residual) const;
    /// Writes a "TrfResidual" element below this node through out.Create.
    long InsertTrfResidual(const VDXML_TRFRESIDUAL& residual, CVdXmlTrfResidual& out) const;
    /// "Name", "Note", "SemiMajorAxis" and "InverseFlattening" (both only when the axis and
    /// the flattening are greater than 0).
    long InsertEllipsoid(const VDXML_ELLIPSOID& ellipsoid) const;
    /// "Name", "Note", "Type" with its text (when not 0).
    long InsertProjection(const VDXML_PROJECTION& projection) const;
    /// "Name", "Note", "Type" with its text (when not 0).
    long InsertGeoidModel(const VDXML_GEOIDMODEL& geoid) const;
    /// "Name", "Note", "Method" and "InterpolationType" with their texts (when not 0).
    long InsertCscsModel(const VDXML_CSCSMODEL& cscs) const;
    /// "Name", "Note", "Type", "HeightMode", "SourceSystem", "TargetSystem", one "TrfStep"
    /// per step and "TrfResiduals" (always, with "ResidualDistribution" and one "TrfResidual"
    /// per residual). E_FAIL, writing nothing, for Type 0. The first failing step or residual
    /// ends the writer. S_OK or the first failure.
    long InsertTransformation(const VDXML_TRANSFORMATION& transformation) const;
    /// Writes a "CoordinateSystem" element below this node through out.Create.
    long InsertCoordinateSystem(const VDXML_COORDINATESYSTEM& system,
                                CVdXmlCoordinateSystem& out) const;
    // ---- end of coordinate systems and transformations ----

    // ---- GPS, thematic and stakeout ----
    // Each writer appends its element below this node into out and writes its children in a
    // fixed order, ending at the first failing entry or comment (what was written stays).

    /// "Ant": "AntName", "AntType" with its model text (flagged), "AntSn" (flagged), "AntVO",
    /// "AntHzO" and, when flagged, the six phase-centre offsets, all lengths with 5 decimals.
    /// E_FAIL, writing nothing, unless the antenna is flagged as given and named.
    long InsertAntenna(const VDXML_ANTENNA& antenna, CVdXmlNode& out) const;
    /// "DOPs" with the flagged "HDOP", "VDOP", "PDOP", "GDOP" (5 decimals). E_FAIL, writing
    /// nothing, when no flag bit is set; the reserved figure alone gives an empty "DOPs".
    long InsertDOPs(const VDXML_DOPS& dops, CVdXmlNode& out) const;

    /// "ThematicalCodelist" with the item name, when the name is not empty; never refused.
    long InsertThematicalCodelist(const VDXML_THEMATICAL_CODELIST& list, CVdXmlNode& out) const;
    /// "ThematicalCodeGroup" with the item name; E_FAIL, writing nothing, for an empty name.
    long InsertThematicalCodeGroup(const VDXML_THEMATICAL_CODEGROUP& group, CVdXmlNode& out) const;
    /// "ThematicalCode": see CVdXmlThematicalCode::Create.
    long InsertThematicalCode(const VDXML_THEMATICAL_CODE& code, CVdXmlNode& out) const;
    /// "ThematicalAttrDesc": item name, value type and kind with their texts, the flagged
    /// default values, range and choice list. E_FAIL, writing nothing, for an empty name or
    /// a flag byte of 0.
    long InsertThematicalAttrDesc(const VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION& desc,
                                  CVdXmlNode& out) const;
    /// "ThematicalAttr" with the item name and "Value" only (no value type); E_FAIL, writing
    /// nothing, for an empty name or an attribute not flagged as given.
    long InsertThematicalAttr(const VDXML_THEMATICAL_ATTRIBUTE& attr, CVdXmlNode& out) const;

    /// Writes one "Stakeout" below this node through stakeout.Create.
    long InsertStakeout(
        const std::map<VDXML_STAKEOUT_DESIGN, std::vector<VDXML_STAKEOUT_RESULT>>& designs,
        CVdXmlApplStakeout& stakeout) const;
    // ---- end of GPS, thematic and stakeout ----

    /// "dt:dt" = "datetime", shared by all nodes.
    static const std::list<VDXML_ATTRIBUTE> m_listAttrDateTime;
    /// "vsrc" = "c", for values a writer computed rather than received.
    static const std::list<VDXML_ATTRIBUTE> m_listAttrValueSourceComputed;

  protected:
    using CVdXmlNodeBase::Initialize;
    /// Passes text through the single-byte code page, turning control bytes, DEL, the soft
    /// hyphen and the code page's unassigned bytes into spaces.
    void ReplaceSpecialCharacters(_bstr_t& text) const;

  private:
    long PrepareForNewElement(bool clearElement);
    VDXML_ELEMENT* PrepareEntry() const;
    long InsertFormatted(const _bstr_t& name, const char* text,
                         const std::list<VDXML_ATTRIBUTE>* attrs) const;
    long InsertEnumText(const wchar_t* text, long numberStatus) const;

    VDXML_ELEMENT* m_element = nullptr;
    mutable VDXML_ELEMENT* m_previous = nullptr;
};
