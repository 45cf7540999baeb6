// Reading whole files as a stream of events: CVdXmlParser walks a loaded file depth-first and,
// for every element kind it knows, fills a record, announces it to the caller's
// IVdXmlNotifications object, walks the element's children and announces the element's end.
// While an element is open its record sits in the table of current records, so a callback sees
// the element just opened together with every enclosing one (project, point, coordinate ...).
#pragma once

#include <map>

#include "vdxml/backend.h"
#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/records.h"

// Records of the element kinds the parser reports; only pointers to them are held here.
struct VDXML_PROJECT;
struct VDXML_POINT;
struct VDXML_COORD;
struct VDXML_DCOORD;
struct VDXML_TPS_SETUP;
struct VDXML_TPS_SETUP_DETAILS;
struct VDXML_TPS_OBSSET;
struct VDXML_COORDINATESYSTEM;
struct VDXML_TRFRESIDUAL;
struct VDXML_GPSBASELINE;
struct VDXML_GPS_REFERENCE;
struct VDXML_GPS_ROVER;
struct VDXML_THEMATICAL_CODE;
struct VDXML_THEMATICAL_ATTRIBUTE;

/// ParseStream's status for a file it cannot stream in the order Parse reads it: an entry of a
/// reported element comes after one of that element's nested reported elements (or inside
/// one). The element's record was announced at the nested element, so it lacks that entry:
/// the notifications sent before the stop are those of Parse in kind, order and slots, but the
/// records of the elements still open may miss their late entries. Parse reads such a file;
/// CVdXmlTree::Load falls back to it. Every file the library writes puts an element's own
/// entries first.
constexpr long VDXML_E_OUT_OF_ORDER = vdxml_detail::FromHresult(0x80040201u);

/// How completely ParseStream (and CVdXmlTree::Load) read a file.
enum VDXML_READ_OPTION : unsigned long {
    /// The records Parse gives: every element kind's reader as Parse applies it.
    VDXML_READ_AS_PARSE = 0,
    /// Besides, every value of the kinds whose readers restore none: the coordinate differences
    /// ("DCrd": each representation with its polar elements, quality and deviations, and the
    /// centring accuracies) and the coordinate systems ("CoordinateSystem": name, note,
    /// creation time, ellipsoid, projection, geoid and country models, and the transformation's
    /// name, type, height mode and source and target systems; not its steps and residuals). A
    /// value that comes after a nested reported element (a coordinate system's models follow
    /// its residuals) is added to the announced record as it is read: it is there at the
    /// record's close notification, not at its open one.
    VDXML_READ_COMPLETE = 1,
};

/// Where and why the last ParseStream stopped short of the end of its file.
struct VDXML_API VDXML_PARSE_ERROR {
    long status = S_OK;  ///< the status ParseStream returned
    long line = 0;       ///< 1-based line of the fault; 0 when not known (a file error)
    long column = 0;     ///< 1-based column; 0 when not known
    _bstr_t reason;      ///< what went wrong, in words; empty after a complete parse
};

namespace VdXml {

/// The records of the elements that are open at the moment of a notification, one slot per
/// element kind. A slot is null while no element of its kind is open. The records belong to
/// whoever sends the notification (the parser, or the record tree while replaying): a
/// callback that wants to keep one copies it; it neither keeps the pointer nor changes the
/// slots. The layout is part of the callback interface and never changes.
struct VDXML_API _CURRENCYTABLE {
    VDXML_BASE* pReserved = nullptr;                             ///< Never set.
    VDXML_ROOT* pRoot = nullptr;                                 ///< "Company"
    VDXML_PROJECT* pProject = nullptr;                           ///< "Project"
    VDXML_POINT* pPoint = nullptr;                               ///< "Pnt"
    VDXML_COORD* pCoord = nullptr;                               ///< "Crd"
    VDXML_DCOORD* pDCoord = nullptr;                             ///< "DCrd"
    VDXML_TPS_SETUP* pTpsSetup = nullptr;                        ///< "TpsSetup"
    VDXML_TPS_SETUP_DETAILS* pTpsSetupDetails = nullptr;         ///< "TpsSetupDetails"
    VDXML_TPS_OBSSET* pTpsObsSet = nullptr;                      ///< "TpsObsSet"
    VDXML_COORDINATESYSTEM* pCoordinateSystem = nullptr;         ///< "CoordinateSystem"
    VDXML_TRFRESIDUAL* pTrfResidual = nullptr;                   ///< "TrfResidual"
    VDXML_GPSBASELINE* pGpsBaseline = nullptr;                   ///< "GpsBl"
    VDXML_GPS_REFERENCE* pGpsReference = nullptr;                ///< "Ref"
    VDXML_GPS_ROVER* pGpsRover = nullptr;                        ///< "Rov"
    VDXML_THEMATICAL_CODE* pThematicalCode = nullptr;            ///< "ThematicalCode"
    VDXML_THEMATICAL_ATTRIBUTE* pThematicalAttribute = nullptr;  ///< "ThematicalAttr"
};

}  // namespace VdXml

/// The caller's side of reading: one open and one close notification per element kind. Each
/// receives the table of current records; the result is ignored by every sender. An open
/// notification always comes before those of the element's descendants and its close
/// notification after them; during the close notification the record is still in its slot.
class VDXML_API IVdXmlNotifications {
  public:
    /// The root element "Company" opened.
    virtual int OnVdXmlBegin(VdXml::_CURRENCYTABLE* table) = 0;
    /// The root element "Company" closed.
    virtual int OnVdXmlClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Project" opened.
    virtual int OnProject(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Project" closed.
    virtual int OnProjectClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Pnt" opened.
    virtual int OnPoint(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Pnt" closed.
    virtual int OnPointClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Crd" opened.
    virtual int OnCoord(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Crd" closed.
    virtual int OnCoordClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "DCrd" opened.
    virtual int OnDCoord(VdXml::_CURRENCYTABLE* table) = 0;
    /// "DCrd" closed.
    virtual int OnDCoordClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TpsSetup" opened.
    virtual int OnTpsSetup(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TpsSetup" closed.
    virtual int OnTpsSetupClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TpsSetupDetails" opened.
    virtual int OnTpsSetupDetails(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TpsSetupDetails" closed.
    virtual int OnTpsSetupDetailsClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TpsObsSet" opened.
    virtual int OnTpsObsSet(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TpsObsSet" closed.
    virtual int OnTpsObsSetClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "CoordinateSystem" opened.
    virtual int OnCoordinateSystem(VdXml::_CURRENCYTABLE* table) = 0;
    /// "CoordinateSystem" closed.
    virtual int OnCoordinateSystemClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TrfResidual" opened.
    virtual int OnTrfResidual(VdXml::_CURRENCYTABLE* table) = 0;
    /// "TrfResidual" closed.
    virtual int OnTrfResidualClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "GpsBl" opened.
    virtual int OnGpsBaseline(VdXml::_CURRENCYTABLE* table) = 0;
    /// "GpsBl" closed.
    virtual int OnGpsBaselineClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Ref" opened.
    virtual int OnGpsReference(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Ref" closed.
    virtual int OnGpsReferenceClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Rov" opened.
    virtual int OnGpsRover(VdXml::_CURRENCYTABLE* table) = 0;
    /// "Rov" closed.
    virtual int OnGpsRoverClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// A thematic code "ThematicalCode" opened.
    virtual int OnCode(VdXml::_CURRENCYTABLE* table) = 0;
    /// A thematic code "ThematicalCode" closed.
    virtual int OnCodeClose(VdXml::_CURRENCYTABLE* table) = 0;
    /// A thematic attribute "ThematicalAttr" opened.
    virtual int OnAttribute(VdXml::_CURRENCYTABLE* table) = 0;
    /// A thematic attribute "ThematicalAttr" closed.
    virtual int OnAttributeClose(VdXml::_CURRENCYTABLE* table) = 0;

  protected:
    /// A notification object is never deleted through this interface.
    ~IVdXmlNotifications() = default;
};

/// Reads a file and reports its elements to a callback, in document order.
///
/// Elements are looked up by their qualified name as written (case-sensitive: "pnt" is not a
/// point). Elements the parser does not know are not reported, but their children are walked,
/// so known elements nested in unknown ones are still found. A root element other than
/// "Company" is walked like any other element.
///
/// Failures inside the walk never stop it:
/// - an element whose reader fails is skipped with its whole subtree (no notification at
///   all), and its record is freed at once;
/// - a failing engine call inside an element abandons the rest of that element (remaining
///   children and its close notification); the walk goes on with the next sibling;
/// - callbacks' results are ignored.
/// Whatever happens inside an element, once the walk has left it every slot holds again what
/// it held before the element was opened: records left behind by an abandoned element are
/// freed, and an element nested in one of its own kind ("Pnt" in "Pnt") hides the outer
/// record only while it is open. So between two parses every slot is null.
class VDXML_API CVdXmlParser {
  public:
    /// A handler of one element kind: the element, the callback (may be null) and the table.
    using Handler = long (*)(VDXML_ELEMENT& element, IVdXmlNotifications* callback,
                             VdXml::_CURRENCYTABLE& table);
    /// The two handlers of an element kind; a null handler is skipped.
    struct NODE_READ {
        /// Creates the kind's record in its slot, fills it from the element and sends the open
        /// notification; a failure status skips the element's subtree.
        Handler pfnRead = nullptr;
        /// Sends the close notification, then frees the record and clears its slot.
        Handler pfnRelease = nullptr;
    };

    /// Builds the element map; no callback, all slots null.
    CVdXmlParser();
    /// Copies share the map, the callback and the table's pointers (the records themselves are
    /// not copied; between parses the table is empty).
    CVdXmlParser(const CVdXmlParser&) = default;
    CVdXmlParser& operator=(const CVdXmlParser&) = default;
    /// Leaves the records in the table alone (between parses there are none).
    virtual ~CVdXmlParser() = default;

    /// The object to notify; null accepted (Parse then refuses). Not owned.
    /// @return S_OK
    long SetCallbackInterface(IVdXmlNotifications* callback);

    /// Loads the file (a UTF-8 path) and walks it, sending the notifications.
    /// @return E_FAIL, before any notification, without a callback, for a null or empty name,
    ///         when no DOM implementation is available, or when the file is missing,
    ///         unreadable, not well-formed or nested deeper than the engine accepts; S_OK
    ///         otherwise, whatever happened to single elements during the walk
    long Parse(const char* fileName);

    /// Reads the file (a UTF-8 path) front to back and sends the same notifications, with the
    /// same records and table, as Parse, in memory bounded by the nesting depth rather than by
    /// the file. A record is complete at its element's first nested reported element (or its
    /// end), which is where its open notification goes. Faults are found where the read meets
    /// them, after the notifications for everything before them: then no further notification
    /// (no close notification either) is sent, every record is freed and the table is empty.
    /// GetParseError() tells the line and the reason. A callback that raises stops the read
    /// the same way, which is how a caller ends a read early: the status is a _com_error's own,
    /// E_OUTOFMEMORY for std::bad_alloc, E_FAIL for another std::exception (its what() is the
    /// reason).
    /// @return S_OK after the whole file; E_FAIL without a callback or for a null or empty
    ///         name; VDXML_E_OUT_OF_ORDER for an entry that comes after (or inside) a nested
    ///         reported element of its own element; a file error (0x8007xxxx: missing,
    ///         unreadable); 0xC00C0000 | the parser's code for a file that is not well-formed
    ///         or nested deeper than the engine accepts
    long ParseStream(const char* fileName);
    /// ParseStream with options (VDXML_READ_OPTION bits); ParseStream(fileName) reads as
    /// VDXML_READ_AS_PARSE.
    long ParseStream(const char* fileName, unsigned long options);
    /// What stopped the last ParseStream; status S_OK after a complete one.
    const VDXML_PARSE_ERROR& GetParseError() const { return m_parseError; }
    /// The creation time the last ParseStream found in the root element's "FileCreated" (a
    /// Modified Julian Date, in the time the writer wrote it), or VDXML_UNDEFINED when there
    /// was none. No reader reads it, so no record holds it; Parse does not set it. During a
    /// ParseStream it is known from the root's open notification on.
    double GetFileCreated() const { return m_fileCreated; }

  private:
    /// Adds one row per element kind that has a reader: element name -> handlers. S_OK.
    static long ConstructMap(std::map<_bstr_t, NODE_READ>& map);
    /// Reports node (an element) and its subtree; other nodes are ignored.
    void WalkXml(const IXMLDOMNodePtr& node);

    std::map<_bstr_t, NODE_READ> m_mapNodes;
    VdXml::_CURRENCYTABLE m_table;
    IVdXmlNotifications* m_pCallback = nullptr;
    VDXML_PARSE_ERROR m_parseError;
    double m_fileCreated = VDXML_UNDEFINED;
};
