// CVdXmlNode: the element wrapper through which every element of a document is written.
// A node knows the document's root (and through it the back end), creates its own element
// below a parent and appends entries: child elements holding one value as text.
#pragma once

#include <cstdint>
#include <ctime>
#include <list>

#include "vdxml/backend.h"
#include "vdxml/enum_text.h"
#include "vdxml/export.h"
#include "vdxml/reading_map.h"
#include "vdxml/records.h"
#include "vdxml/root.h"

/// The root pointer shared by every node of a document, and the static value readers.
class VDXML_API CVdXmlNodeBase {
  public:
    /// A node without a root.
    CVdXmlNodeBase() = default;
    /// Shares other's root.
    CVdXmlNodeBase(const CVdXmlNodeBase& other) = default;
    CVdXmlNodeBase& operator=(const CVdXmlNodeBase&) = delete;
    virtual ~CVdXmlNodeBase() = default;

    /// The document's root shared by this node; null before the node is bound to a document.
    const _vdxml_ptr<CVdXmlRoot>& GetRoot() const { return m_root; }
    /// The root's namespace URI; empty when the node has no root.
    const _bstr_t& GetNamespaceURI() const;
    /// The root's back end, or null when there is no root or no back end.
    _vdxml_ptr<IVdXmlDoc> GetXmlDocument() const;

  protected:
    /// E_FAIL for a null root; S_OK when it is the node's root already; else shares it.
    long Initialize(const _vdxml_ptr<CVdXmlRoot>& root);

    /// Calendar date and time of a Modified Julian Date (Gregorian, truncating conversions;
    /// half a microsecond is added before the time of day is split, and a day that would end
    /// at 24:00 starts the next one). The range is the caller's: InsertEntryDateTimeMjd
    /// passes only |mjd| < 2 million days.
    /// @param t        receives the date and time (tm_year from 1900, tm_mon from 0)
    /// @param fraction receives the fraction of the second, in [0, 1)
    void DateTimeFromMjd(double mjd, tm& t, double& fraction) const;
    /// Calendar date and time of an OLE Automation date (days since 30 December 1899; before
    /// that day the time of day is the absolute value of the fraction). The fraction of the
    /// second is kept exactly, without rounding.
    /// @param t        receives the date and time (tm_year from 1900, tm_mon from 0)
    /// @param fraction receives the fraction of the second, in [0, 1)
    void DateTimeFromOle(double oleDate, tm& t, double& fraction) const;

    /// Reads the descendants of element by the map (see VDXML_MAP_PARSE_NODEDATA): every
    /// child element at a row's level whose name matches gets its typed value's text
    /// converted into the row's destination, and the row's flag bits set. Children are
    /// matched by name and depth only, in document order, so a later match overwrites an
    /// earlier one.
    /// @return S_OK; E_FAIL when element holds no element or a row cannot take its value (a
    ///         null destination, an unknown format). An engine failure arrives as _com_error,
    ///         which the element readers turn into their status.
    static long ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map);
    /// Converts one text into one destination by the format (see VDXML_PARSE_NODEDATA).
    /// @return S_OK; E_FAIL for a null destination or an unknown format
    static long AssignValue(const _bstr_t& text, VDXML_PARSE_NODEDATA::enmFormat format,
                            void* data);

  private:
    /// ReadValues below element, whose children sit at level + 1.
    static long _ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map, int level);

    _vdxml_ptr<CVdXmlRoot> m_root;
};

/// Attribute lists, passed by pointer (null for none).
using VDXML_ATTRIBUTES = std::list<VDXML_ATTRIBUTE>;

// Geometry blocks: records and element classes (see geometry_records.h).
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

// Coordinate systems and transformations: records and element classes (see trf_records.h).
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

// GPS, thematic and stakeout: records and element classes (see gps_records.h,
// thematic_records.h, stakeout_records.h).
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

/// The wrapper of one element: it creates the element, then appends entries, comments and
/// sub-element blocks to it. A wrapper can be created again to write another element; the
/// elements written stay in the document when the wrapper goes.
///
/// Statuses: writers return S_OK, S_FALSE when their last number was not written for not
/// being finite, and a failure status (E_FAIL for a refused record, a missing document or an
/// element the back end could not create). With the streaming back end an engine failure (a
/// name that is not an XML name, an output that can no longer be written, such as a full
/// disk) arrives as _com_error instead of a status; the DOM back end turns it into a status.
class VDXML_API CVdXmlNode : public CVdXmlNodeBase {
  public:
    /// A node without a root: it takes the root of the parent given to Create.
    CVdXmlNode();
    /// A node sharing owner's root.
    explicit CVdXmlNode(const CVdXmlNodeBase& owner);
    CVdXmlNode(const CVdXmlNode&) = delete;
    CVdXmlNode& operator=(const CVdXmlNode&) = delete;
    /// Frees the element handles; the elements stay in the document.
    ~CVdXmlNode() override;

    /// Creates this node's element as the document's root element, in the root's namespace.
    /// @param name  element name
    /// @param attrs attributes, or null for none; the streaming back end appends its "xmlns"
    ///              declaration of a non-empty namespace to this list
    /// @return E_FAIL without a back end, otherwise the back end's status (E_FAIL for a
    ///         second root element with the streaming back end)
    long Create(const _bstr_t& name, std::list<VDXML_ATTRIBUTE>* attrs);
    /// Creates this node's element as the last child of parent.
    /// @param parent the parent element's handle
    /// @param name   element name
    /// @param attrs  attributes, or null for none
    /// @return E_FAIL without a back end, otherwise the back end's status
    long Create(VDXML_ELEMENT* parent, const _bstr_t& name,
                const std::list<VDXML_ATTRIBUTE>* attrs);
    /// Creates this node's element below parent's element. A node not yet writing to
    /// parent's document takes parent's root first.
    /// @return E_FAIL when parent has no element, or a root is needed and parent has none;
    ///         otherwise as above
    long Create(const CVdXmlNode& parent, const _bstr_t& name,
                const std::list<VDXML_ATTRIBUTE>* attrs);
    /// Binds this node to an existing DOM node below owner's document.
    /// @return E_FAIL when owner has no element or root or there is no back end, otherwise
    ///         the back end's status
    long AssignNode(const CVdXmlNode& owner, IXMLDOMNodePtr node);

    /// This node's element handle; null before Create.
    VDXML_ELEMENT* GetElement() const { return m_element; }
    /// The entry most recently appended to this node (until the next entry).
    VDXML_ELEMENT* GetPreviousEntry() const { return m_previous; }

    // Entries: each InsertEntry appends one child element name (with attrs, null for none)
    // holding one value as text, and makes it the previous entry. Each returns E_FAIL when
    // there is no back end, this node has no element or the back end cannot create the
    // entry; otherwise the back end's status for the text (S_OK).

    /// A text entry; the text passes through the document's code page (VDXML_ROOT::CodePage:
    /// characters it lacks become "?") and loses control characters (see
    /// ReplaceSpecialCharacters). E_FAIL, writing nothing, when the root's code page is not
    /// one of VDXML_CODEPAGE.
    long InsertEntry(const _bstr_t& name, _bstr_t value,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// A fixed-point number with precision decimals (at most 1100), rounded as printf rounds.
    /// @return S_FALSE, writing nothing, for NaN, infinities and values not strictly within
    ///         +-DBL_MAX; otherwise as every entry
    long InsertEntry(const _bstr_t& name, double value, unsigned int precision,
                     const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// Always written, also NaN and infinities ("nan", "inf"), with precision decimals (at
    /// most 1100) of the value widened to double.
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

    /// A date-time entry "YYYY-MM-DDThh:mm:ss.ssss" carrying "dt:dt" = "datetime" before
    /// attrs. The fields of t are written as they are; fraction is clamped into [0, 1), and
    /// one that would print as 60 seconds moves the time to the next whole second (through
    /// the local time zone's calendar).
    /// @param t        the date and time (tm_year from 1900, tm_mon from 0)
    /// @param fraction the fraction of the second
    /// @return E_FAIL, writing nothing, when that move to the next second fails; otherwise as
    ///         every entry
    long InsertEntryDateTimeTm(const _bstr_t& name, const tm& t, double fraction,
                               const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// The same from a Modified Julian Date.
    /// @return E_FAIL, writing nothing, for a date without a calendar date (NaN, infinities,
    ///         2 million days or more from the epoch); otherwise as InsertEntryDateTimeTm
    long InsertEntryDateTimeMjd(const _bstr_t& name, double mjd,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// The same from an OLE Automation date.
    /// @return E_FAIL, writing nothing, for NaN and dates outside the years 100 to 9999;
    ///         otherwise as InsertEntryDateTimeTm
    long InsertEntryDateTimeOle(const _bstr_t& name, double oleDate,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// A time span in days as "[-]PnDTnHnMn.nnnnS" ("P1DT2H3M4.5000S"); a second that would
    /// print as 60.0000 carries into the minute.
    /// @return S_FALSE, writing nothing, for a span that is not finite or longer than 9e15
    ///         days; otherwise as every entry
    long InsertEntryTimeSpanMjd(const _bstr_t& name, double days,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// The same: a span in OLE Automation days is a span in days, written identically.
    long InsertEntryTimeSpanOle(const _bstr_t& name, double days,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;

    /// Checks a comment on the entry just written; no back end writes comments.
    /// @return E_FAIL for an empty text or without a back end; S_OK when the document was
    ///         started without comments; otherwise the back end's check: E_FAIL when this node
    ///         has no element (DOM) or no entry is open below it (streaming), else S_OK
    long InsertComment(const _bstr_t& text) const;
    /// An enumerated value: the unsigned entry, then its text from table as a comment.
    /// @return the entry's failure; E_FAIL, after the number was written, for a code without
    ///         a text; otherwise the status of the comment (see InsertComment)
    long InsertEnumerated(const _bstr_t& name, unsigned long value, const VdXmlEnumTable& table,
                          const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;
    /// The same for a signed value, written with its sign.
    long InsertEnumeratedSigned(const _bstr_t& name, long value, const VdXmlEnumTable& table,
                                const std::list<VDXML_ATTRIBUTE>* attrs = nullptr) const;

    /// "Name" (required) and "Note" (when not empty) into this node.
    /// @return E_FAIL, writing nothing, for an empty name; else the status of the last entry
    long InsertItemName(const VDXML_ITEMNAME& item);
    /// Element tag below this node with "ErrCode" (when not 0) and "ErrorDesc" (when not
    /// empty); out becomes the element.
    /// @return E_FAIL, writing nothing, when both are missing; else the last write's status
    long InsertError(const _bstr_t& tag, const VDXML_ERROR& error, CVdXmlNode& out) const;
    /// The same through a temporary node.
    long InsertError(const _bstr_t& tag, const VDXML_ERROR& error) const;
    /// As InsertError with "WarnCode" and "WarnDesc".
    long InsertWarning(const _bstr_t& tag, const VDXML_WARNING& warning, CVdXmlNode& out) const;
    /// The same through a temporary node.
    long InsertWarning(const _bstr_t& tag, const VDXML_WARNING& warning) const;
    /// Element tag below this node with "Min" and "Max" (precision decimals); out becomes the
    /// element. @return the first failure, else the status of "Max"
    long InsertMinMax(const _bstr_t& tag, const VDXML_MINMAX& mm, unsigned int precision,
                      CVdXmlNode& out) const;
    /// The same through a temporary node.
    long InsertMinMax(const _bstr_t& tag, const VDXML_MINMAX& mm, unsigned int precision) const;
    /// Element tag below this node with "Start", "End" (date-times from Modified Julian
    /// Dates) and "Span" (a duration in days); a missing one is computed from the other two
    /// and marked "vsrc" = "c", and one that cannot be computed is left out. out becomes the
    /// element.
    /// @return E_FAIL, writing nothing, when none of the three is set; the first failure (a
    ///         date out of range fails with E_FAIL); else the status of the last entry (S_FALSE
    ///         when the span was not finite)
    long InsertTimeSpan(const _bstr_t& tag, const VDXML_TIMESPAN& ts, CVdXmlNode& out) const;
    /// The same through a temporary node.
    long InsertTimeSpan(const _bstr_t& tag, const VDXML_TIMESPAN& ts) const;
    /// One element tag per span, in order.
    /// @return S_OK (also for no span), or the first failure, which ends the writer
    long InsertTimeSpan(const _bstr_t& tag, const VDXML_VEC_TIMESPAN& spans) const;
    /// "Version" below this node with "Major", "Minor" and, when not 0, "Build"; out becomes
    /// the element. @return E_FAIL, writing nothing, for Major 0; else the last write's status
    long InsertVersion(const VDXML_VERSION& version, CVdXmlNode& out) const;
    /// The same through a temporary node.
    long InsertVersion(const VDXML_VERSION& version) const;

    // Geometry blocks: points, coordinates, quality, coordinate differences.
    // Each writer appends its entries to this node, in a fixed order, and returns the first
    // failure (what was written stays), else the status of the last entry written. Numbers
    // use 5 decimals for lengths, 15 for angles and 8 for cofactors.

    /// Writes a "Pnt" element below this node through out.Create (see CVdXmlPoint::Create).
    long InsertPoint(const VDXML_POINT& point, CVdXmlPoint& out) const;
    /// Writes a "Crd" element below this node through out.Create (see CVdXmlCoord::Create).
    long InsertCoord(const VDXML_COORD& coord, CVdXmlCoord& out) const;
    /// Writes a "DCrd" element below this node through out.Create (see CVdXmlDCoord::Create).
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
    /// "DLat", "DLon", "DH", "Azi", "Zen", "DistS", "DistHz", "D2D", "D3D", each by its flag;
    /// a missing height difference or distance is derived from the zenith angle and one of
    /// the other two (marked computed), angles are reduced by whole turns. E_FAIL when
    /// nothing is written.
    long InsertDGeodetic(const VDXML_DGEODETIC& dllh) const;
    /// "DE", "DN", "DH", "Azi", "Dir", "Zen", "DistS", "DistHz", "D2D", "D3D", derived as for
    /// InsertDGeodetic. E_FAIL when nothing is written.
    long InsertDGrid(const VDXML_DGRID& denh) const;
    /// Absolute standard deviations, each by its flag: angles 15 decimals, lengths 5. S_OK
    /// when no flag is set.
    long InsertSdAbs(const VDXML_SD& sd) const;
    /// Relative standard deviations, each followed by its unit as a comment ("rad.km", "ppm",
    /// "m/sqrt(km)" ...); E_FAIL after an entry whose unit the document's units do not name.
    /// S_OK when no flag is set.
    long InsertSdRel(const VDXML_SD& sd) const;

    // Coordinate systems and transformations.
    // Each writer appends to this node in a fixed order and returns the first failure (what
    // was written stays); otherwise S_OK where it says so, else the last entry's status.
    // Reference models write their item name only when they have a name and return E_FAIL
    // when they write nothing at all.

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
    /// Writes a "TrfResidual" element below this node through out.Create (see
    /// CVdXmlTrfResidual::Create).
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
    /// Writes a "CoordinateSystem" element below this node through out.Create (see
    /// CVdXmlCoordinateSystem::Create).
    long InsertCoordinateSystem(const VDXML_COORDINATESYSTEM& system,
                                CVdXmlCoordinateSystem& out) const;

    // GPS, thematic and stakeout.
    // Each writer appends its element below this node into out and writes its children in a
    // fixed order, ending at the first failing entry or comment (what was written stays);
    // otherwise it returns the status of the last entry written.

    /// "Ant": "AntName", "AntType" with its model text (flagged), "AntSn" (flagged), "AntVO",
    /// "AntHzO" and, when flagged, the six phase-centre offsets, all lengths with 5 decimals.
    /// E_FAIL, writing nothing, unless the antenna is flagged as given and named.
    long InsertAntenna(const VDXML_ANTENNA& antenna, CVdXmlNode& out) const;
    /// "DOPs" with the flagged "HDOP", "VDOP", "PDOP", "GDOP" (5 decimals). E_FAIL, writing
    /// nothing, when no flag bit is set; the reserved figure alone gives an empty "DOPs".
    long InsertDOPs(const VDXML_DOPS& dops, CVdXmlNode& out) const;

    /// "ThematicalCodelist", with the item name when the name is not empty: a list without a
    /// name is written as an empty element, never refused.
    long InsertThematicalCodelist(const VDXML_THEMATICAL_CODELIST& list, CVdXmlNode& out) const;
    /// "ThematicalCodeGroup" with the item name; E_FAIL, writing nothing, for an empty name.
    long InsertThematicalCodeGroup(const VDXML_THEMATICAL_CODEGROUP& group, CVdXmlNode& out) const;
    /// "ThematicalCode" with the item name, "Type" and "CodeDesc", as
    /// CVdXmlThematicalCode::Create writes them; E_FAIL, writing nothing, for an empty name.
    long InsertThematicalCode(const VDXML_THEMATICAL_CODE& code, CVdXmlNode& out) const;
    /// "ThematicalAttrDesc": item name, "ValueType" and "Type" (the kind) with their texts, the
    /// flagged "DefaultValue"s (text, whole number, number with 3 decimals), then "Rangelist"
    /// and "Choicelist" when flagged and their Type is not 0. E_FAIL, writing nothing, for an
    /// empty name or a flag byte of 0. The range and the choices only report failures: on
    /// success the result is that of the last default value (or of the kind).
    long InsertThematicalAttrDesc(const VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION& desc,
                                  CVdXmlNode& out) const;
    /// "ThematicalAttr" with the item name and "Value" only (no "ValueType", unlike
    /// CVdXmlThematicalAttribute::Create); E_FAIL, writing nothing, for an empty name or an
    /// attribute not flagged as given.
    long InsertThematicalAttr(const VDXML_THEMATICAL_ATTRIBUTE& attr, CVdXmlNode& out) const;

    /// Writes one "Stakeout" below this node through stakeout.Create (see
    /// CVdXmlApplStakeout::Create).
    long InsertStakeout(
        const std::map<VDXML_STAKEOUT_DESIGN, std::vector<VDXML_STAKEOUT_RESULT>>& designs,
        CVdXmlApplStakeout& stakeout) const;

    /// "dt:dt" = "datetime", shared by all nodes.
    static const std::list<VDXML_ATTRIBUTE> m_listAttrDateTime;
    /// "vsrc" = "c", for values a writer computed rather than received.
    static const std::list<VDXML_ATTRIBUTE> m_listAttrValueSourceComputed;

  protected:
    using CVdXmlNodeBase::Initialize;
    /// Passes text through the root's code page: characters it lacks become "?", control
    /// characters (C0, DEL, C1: in a single-byte page the stand-ins of its unassigned bytes)
    /// and the soft hyphen become spaces.
    /// @return false, text unchanged, without a root or for a code page that is not known
    bool ReplaceSpecialCharacters(_bstr_t& text) const;

  private:
    /// Makes sure the element handle exists (emptied when clearElement) and forgets the
    /// previous entry. S_OK.
    long PrepareForNewElement(bool clearElement);
    /// The emptied handle of the previous entry, ready for the next one.
    VDXML_ELEMENT* PrepareEntry() const;
    /// Creates entry name and, with text (ASCII), writes text into it. E_FAIL when there is
    /// no back end or element or the entry cannot be created; else the text's status.
    long InsertFormatted(const _bstr_t& name, const char* text,
                         const std::list<VDXML_ATTRIBUTE>* attrs) const;
    /// The comment after an enumerated number: numberStatus when that failed, else the
    /// comment's status (E_FAIL for a null text).
    long InsertEnumText(const wchar_t* text, long numberStatus) const;

    VDXML_ELEMENT* m_element = nullptr;           ///< this node's element, once created
    mutable VDXML_ELEMENT* m_previous = nullptr;  ///< the entry most recently appended
};
