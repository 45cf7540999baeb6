// vdxml.Writer: a file written element by element through CVdXmlDocument, as a context
// manager. Both back ends replace the target only when Save completes (a temporary file
// beside it, renamed over it); leaving the with block by an exception releases the document
// unsaved, which leaves any previous file as it was. Every element handed to Python is a
// vdxml.Node whose library object the writer owns, so that closing the writer releases them
// all (and with them the back end), whatever Python still holds.
#include <cstdint>
#include <map>

#include "record_tables.h"

namespace vdxml_py {
namespace {

struct WriterState {
    std::string path;
    std::unique_ptr<CVdXmlDocument> doc;
    std::map<std::uint64_t, std::unique_ptr<CVdXmlNode>> nodes;
    std::uint64_t nextId = 0;
    bool open = true;

    void Require() const {
        if (!open) InvalidArgument("the writer of " + path + " is closed");
    }
    /// Releases every element and the document; an unsaved document leaves its target alone.
    void Release() {
        nodes.clear();
        doc.reset();
        open = false;
    }
};

/// Runs a library call, turning the streaming writer's exception into a StatusError.
template <class Call>
long Guarded(Call call) {
    try {
        return call();
    } catch (const _com_error& e) {
        throw StatusError(KindOfStatus(e.Error()), e.Error(),
                          _bstr_t(e.ErrorMessage()).utf8() + " (" + StatusText(e.Error()) + ")");
    }
}

/// The record a method was given: one record (or dict) or keyword arguments, not both.
template <class R>
R RecordArg(const py::object& record, const py::kwargs& fields) {
    const std::string name = Table<R>::name;
    if (!record.is_none()) {
        if (fields.size() > 0)
            throw py::type_error("give a vdxml." + name + " or its fields as keywords, not both");
        return FromPython<R>(record, name);
    }
    return FromMapping<R>(fields, name, true);
}

class Node {
  public:
    Node(std::shared_ptr<WriterState> state, std::uint64_t id, std::string kind)
        : m_state(std::move(state)), m_id(id), m_kind(std::move(kind)) {}
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    Node(Node&& other) noexcept = default;
    ~Node() {
        if (m_state) m_state->nodes.erase(m_id);
    }

    CVdXmlNode& Get() const {
        m_state->Require();
        const auto found = m_state->nodes.find(m_id);
        if (found == m_state->nodes.end()) InvalidArgument("the " + m_kind + " element is gone");
        return *found->second;
    }
    const std::string& Kind() const { return m_kind; }
    const std::shared_ptr<WriterState>& State() const { return m_state; }

    /// Keeps element and hands out its Node.
    static Node Adopt(const std::shared_ptr<WriterState>& state,
                      std::unique_ptr<CVdXmlNode> element, std::string kind) {
        const std::uint64_t id = state->nextId++;
        state->nodes.emplace(id, std::move(element));
        return Node(state, id, std::move(kind));
    }

  private:
    std::shared_ptr<WriterState> m_state;
    std::uint64_t m_id;
    std::string m_kind;
};

/// Writes an element of class Element from record R below parent and returns its Node.
template <class Element, class R>
Node AddElement(const Node& parent, const py::object& record, const py::kwargs& fields,
                const std::string& kind) {
    const R value = RecordArg<R>(record, fields);
    CVdXmlNode& at = parent.Get();
    auto element = std::make_unique<Element>();
    Check(Guarded([&] { return element->Create(at, value); }),
          "writing " + kind + " below " + parent.Kind() + " failed");
    return Node::Adopt(parent.State(), std::move(element), kind);
}

/// Writes a child through a node writer taking (record, out) and returns its Node.
template <class R, class Insert>
Node AddChild(const Node& parent, const py::object& record, const py::kwargs& fields,
              const std::string& kind, Insert insert) {
    const R value = RecordArg<R>(record, fields);
    CVdXmlNode& at = parent.Get();
    auto element = std::make_unique<CVdXmlNode>();
    Check(Guarded([&] { return insert(at, value, *element); }),
          "writing " + kind + " below " + parent.Kind() + " failed");
    return Node::Adopt(parent.State(), std::move(element), kind);
}

class Writer {
  public:
    Writer(const std::string& path, const std::string& company, const std::string& application,
           const std::string& ns, bool stream, const py::tuple& version, const VDXML_UNITS& units,
           const std::string& source)
        : m_state(std::make_shared<WriterState>()) {
        m_state->path = path;
        if (company.empty()) InvalidArgument("company must not be empty");
        if (application.empty()) InvalidArgument("application must not be empty");
        if (ns.empty()) InvalidArgument("namespace must not be empty");
        VDXML_ROOT root;
        root.NamespaceURI = _bstr_t(ns);
        root.Company = _bstr_t(company);
        root.Application = _bstr_t(application);
        root.SourceDatasetLocation = _bstr_t(source);
        if (version.size() < 1 || version.size() > 3)
            InvalidArgument("version is (major, minor) or (major, minor, build)");
        root.Version.Major = FromPython<std::uint8_t>(version[0], "version major");
        if (version.size() > 1)
            root.Version.Minor = FromPython<std::uint8_t>(version[1], "version minor");
        if (version.size() > 2)
            root.Version.Build = FromPython<std::uint32_t>(version[2], "version build");
        if (root.Version.Major == 0) InvalidArgument("the major version must not be 0");
        root.Units = units;
        if (!CVdXmlRoot::LinearUnitText(units.Linear) && units.Linear != 0)
            InvalidArgument(
                "units.Linear must be 1 (metres), 2 (US survey feet) or 3 (international feet)");
        if (!CVdXmlRoot::AngularUnitText(units.Angular) && units.Angular != 0)
            InvalidArgument("units.Angular must be 1 (radians)");
        if (!CVdXmlRoot::TimeSystemText(units.TimeSystem) && units.TimeSystem != 0)
            InvalidArgument("units.TimeSystem must be 1 (local), 2 (UTC) or 3 (GPS)");
        m_state->doc = std::make_unique<CVdXmlDocument>();
        const long hr = Guarded([&] {
            return m_state->doc->Initialize(
                root, stream ? IVdXmlDoc::DOCTYPE_STREAM : IVdXmlDoc::DOCTYPE_DOM, _bstr_t(path),
                0);
        });
        if (FAILED(hr)) {
            m_state->Release();
            Check(hr, "cannot write " + path);
        }
    }
    ~Writer() {
        if (m_state->open) m_state->Release();
    }

    Node AddProject(const py::object& record, const py::kwargs& fields) {
        const VDXML_PROJECT project = RecordArg<VDXML_PROJECT>(record, fields);
        m_state->Require();
        auto node = std::make_unique<CVdXmlProject>();
        Check(Guarded([&] { return m_state->doc->InsertProject(project, *node); }),
              "writing Project failed");
        return Node::Adopt(m_state, std::move(node), VdXml::tagProject.utf8());
    }

    void Save() {
        m_state->Require();
        long hr = S_OK;
        try {
            hr = Guarded([&] { return m_state->doc->Save(); });
        } catch (...) {
            m_state->Release();
            throw;
        }
        m_state->Release();
        Check(hr, "saving " + m_state->path + " failed");
    }
    void Abandon() {
        if (m_state->open) m_state->Release();
    }
    bool Closed() const { return !m_state->open; }
    const std::string& Path() const { return m_state->path; }

  private:
    std::shared_ptr<WriterState> m_state;
};

// Methods of Node that add one element: (python name, docstring, adder).
#define VDXML_PY_ADD_ELEMENT(pyname, Element, R, kind, doc)                     \
    .def(                                                                       \
        pyname,                                                                 \
        [](const Node& n, const py::object& record, const py::kwargs& fields) { \
            return AddElement<Element, R>(n, record, fields, kind);             \
        },                                                                      \
        py::arg("record") = py::none(), doc)

}  // namespace

void BindWriter(py::module_& m) {
    static const std::string kPoint = VdXml::tagPoint.utf8(), kCoord = VdXml::tagCoord.utf8(),
                             kDCoord = VdXml::tagDCoord.utf8(),
                             kSystem = VdXml::tagCoordinateSystem.utf8(),
                             kSetup = VdXml::tagTpsSetup.utf8(),
                             kDetails = VdXml::tagTpsSetupDetails.utf8(),
                             kObs = VdXml::tagTpsObsSet.utf8(), kGps = VdXml::tagGps.utf8(),
                             kRef = VdXml::tagRef.utf8(), kRov = VdXml::tagRov.utf8(),
                             kBaseline = VdXml::tagGpsBl.utf8(),
                             kCode = VdXml::tagThematicalCode.utf8(),
                             kAttr = VdXml::tagThematicalAttr.utf8();
    py::class_<Node>(m, "Node",
                     "An element being written. Its add_* methods write a child element from a "
                     "record (or from the record's fields as keywords) and return the child's "
                     "Node. A streamed file is written depth-first: adding a child to an element "
                     "ends every element written below it before.")
        .def_property_readonly(
            "kind", &Node::Kind,
            "The element name: \"Project\", \"Pnt\", ...") VDXML_PY_ADD_ELEMENT("add_point",
                                                                                CVdXmlPoint,
                                                                                VDXML_POINT, kPoint,
                                                                                "Writes a point "
                                                                                "(vdxml.Point) and "
                                                                                "returns its Node.")
            VDXML_PY_ADD_ELEMENT("add_coord", CVdXmlCoord, VDXML_COORD, kCoord,
                                 "Writes a coordinate (vdxml.Coord) below a point.")
                VDXML_PY_ADD_ELEMENT("add_dcoord", CVdXmlDCoord, VDXML_DCOORD, kDCoord,
                                     "Writes a coordinate difference (vdxml.DCoord).")
                    VDXML_PY_ADD_ELEMENT(
                        "add_coordinate_system", CVdXmlCoordinateSystem, VDXML_COORDINATESYSTEM,
                        kSystem,
                        "Writes a coordinate system (vdxml.CoordinateSystem) with its "
                        "models and transformation.")
                        VDXML_PY_ADD_ELEMENT("add_tps_setup", CVdXmlTpsSetup, VDXML_TPS_SETUP,
                                             kSetup,
                                             "Writes a total-station setup (vdxml.TpsSetup).")
                            VDXML_PY_ADD_ELEMENT(
                                "add_tps_setup_details", CVdXmlTpsSetupDetails,
                                VDXML_TPS_SETUP_DETAILS, kDetails,
                                "Writes a setup's details (vdxml.TpsSetupDetails) below a setup.")
                                VDXML_PY_ADD_ELEMENT(
                                    "add_tps_obsset", CVdXmlTpsObsSet, VDXML_TPS_OBSSET, kObs,
                                    "Writes an observation set (vdxml.TpsObsSet) below a setup.")
                                    VDXML_PY_ADD_ELEMENT("add_gps_reference", CVdXmlGpsReference,
                                                         VDXML_GPS_REFERENCE, kRef,
                                                         "Writes the reference receiver "
                                                         "(vdxml.GpsReference) below a "
                                                         "\"Gps\" element (see add_gps).")
                                        VDXML_PY_ADD_ELEMENT("add_gps_rover", CVdXmlGpsRover,
                                                             VDXML_GPS_ROVER, kRov,
                                                             "Writes the rover (vdxml.GpsRover) "
                                                             "below a \"Gps\" element.")
                                            VDXML_PY_ADD_ELEMENT(
                                                "add_gps_baseline", CVdXmlGpsBaseline,
                                                VDXML_GPSBASELINE, kBaseline,
                                                "Writes a baseline (vdxml.GpsBaseline) below a "
                                                "\"Gps\" element.")
                                                VDXML_PY_ADD_ELEMENT(
                                                    "add_code", CVdXmlThematicalCode,
                                                    VDXML_THEMATICAL_CODE, kCode,
                                                    "Writes a thematic code "
                                                    "(vdxml.ThematicalCode), below a point or a "
                                                    "code group.")
                                                    VDXML_PY_ADD_ELEMENT(
                                                        "add_attribute", CVdXmlThematicalAttribute,
                                                        VDXML_THEMATICAL_ATTRIBUTE, kAttr,
                                                        "Writes an attribute value "
                                                        "(vdxml.ThematicalAttribute) below "
                                                        "a code.")
        .def(
            "add_gps",
            [](const Node& n) {
                CVdXmlNode& at = n.Get();
                auto element = std::make_unique<CVdXmlNode>();
                Check(Guarded([&] { return element->Create(at, VdXml::tagGps, nullptr); }),
                      "writing Gps below " + n.Kind() + " failed");
                return Node::Adopt(n.State(), std::move(element), kGps);
            },
            "Writes the \"Gps\" element that holds a point's reference, rover and baseline.")
        .def(
            "add_code_list",
            [](const Node& n, const py::object& record, const py::kwargs& fields) {
                return AddChild<VDXML_THEMATICAL_CODELIST>(
                    n, record, fields, VdXml::tagThematicalCodelist.utf8(),
                    [](CVdXmlNode& at, const VDXML_THEMATICAL_CODELIST& r, CVdXmlNode& out) {
                        return at.InsertThematicalCodelist(r, out);
                    });
            },
            py::arg("record") = py::none(),
            "Writes a code list (vdxml.ThematicalCodeList) and returns its Node.")
        .def(
            "add_code_group",
            [](const Node& n, const py::object& record, const py::kwargs& fields) {
                return AddChild<VDXML_THEMATICAL_CODEGROUP>(
                    n, record, fields, VdXml::tagThematicalCodeGroup.utf8(),
                    [](CVdXmlNode& at, const VDXML_THEMATICAL_CODEGROUP& r, CVdXmlNode& out) {
                        return at.InsertThematicalCodeGroup(r, out);
                    });
            },
            py::arg("record") = py::none(),
            "Writes a code group (vdxml.ThematicalCodeGroup) below a code list.")
        .def(
            "add_attribute_description",
            [](const Node& n, const py::object& record, const py::kwargs& fields) {
                return AddChild<VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION>(
                    n, record, fields, VdXml::tagThematicalAttrDesc.utf8(),
                    [](CVdXmlNode& at, const VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION& r,
                       CVdXmlNode& out) { return at.InsertThematicalAttrDesc(r, out); });
            },
            py::arg("record") = py::none(),
            "Writes an attribute description (vdxml.ThematicalAttributeDescription) below a "
            "code of a code group.")
        .def(
            "add_stakeout",
            [](const Node& n, const py::object& designs) {
                VDXML_STAKEOUT_MAP map;
                if (py::isinstance<py::str>(designs) || !py::isinstance<py::sequence>(designs))
                    throw py::type_error(
                        "add_stakeout takes a list of (StakeoutDesign, "
                        "[StakeoutResult, ...]) pairs");
                std::size_t i = 0;
                for (const py::handle entry : designs.cast<py::sequence>()) {
                    const std::string where = "designs[" + std::to_string(i++) + "]";
                    if (!py::isinstance<py::tuple>(entry) || py::len(entry) != 2)
                        throw py::type_error(where + " must be a (design, results) pair");
                    const auto pair = entry.cast<py::tuple>();
                    auto design = FromPython<VDXML_STAKEOUT_DESIGN>(pair[0], where + "[0]");
                    auto results =
                        FromPython<std::vector<VDXML_STAKEOUT_RESULT>>(pair[1], where + "[1]");
                    auto& slot = map[design];
                    slot.insert(slot.end(), results.begin(), results.end());
                }
                CVdXmlNode& at = n.Get();
                auto element = std::make_unique<CVdXmlApplStakeout>();
                Check(Guarded([&] { return at.InsertStakeout(map, *element); }),
                      "writing Stakeout below " + n.Kind() + " failed");
                return Node::Adopt(n.State(), std::move(element), VdXml::tagStakeout.utf8());
            },
            py::arg("designs"),
            "Writes a stakeout: a list of (vdxml.StakeoutDesign, [vdxml.StakeoutResult, ...]) "
            "pairs; designs without a point name or class and incomplete results are skipped.")
        .def("__repr__", [](const Node& n) { return "<vdxml.Node " + n.Kind() + ">"; });

    py::class_<Writer>(m, "Writer",
                       "Writes a survey file. Use it as a context manager: the file is saved "
                       "(atomically replacing any previous one) when the with block ends "
                       "normally, and abandoned, leaving any previous file as it was, when it "
                       "ends by an exception.")
        .def(py::init([](const py::handle& path, const std::string& company,
                         const std::string& application, const std::string& ns, bool stream,
                         const py::tuple& version, const py::object& units,
                         const std::string& source) {
                 const VDXML_UNITS u =
                     units.is_none() ? VDXML_UNITS() : FromPython<VDXML_UNITS>(units, "units");
                 return std::make_unique<Writer>(PathArg(path), company, application, ns, stream,
                                                 version, u, source);
             }),
             py::arg("path"), py::kw_only(), py::arg("company"), py::arg("application"),
             py::arg("namespace") = "urn:vdxml:survey", py::arg("stream") = true,
             py::arg("version") = py::make_tuple(1, 0), py::arg("units") = py::none(),
             py::arg("source") = "",
             "Starts the file: stream=True writes it front to back in constant memory, "
             "stream=False builds it in memory and writes it at save(). units is a "
             "vdxml.Units (default metres, radians, local time).")
        .def("add_project", &Writer::AddProject, py::arg("record") = py::none(),
             "Writes a project (vdxml.Project, or its fields as keywords) and returns its Node.")
        .def("save", &Writer::Save,
             "Completes the file and renames it over the target; the writer is closed after.")
        .def("abandon", &Writer::Abandon,
             "Drops the file written so far; a previous file at the path stays as it was.")
        .def("close", &Writer::Save, "The same as save().")
        .def_property_readonly("closed", &Writer::Closed, "True once saved or abandoned.")
        .def_property_readonly("path", &Writer::Path, "The file written.")
        .def("__enter__", [](Writer& w) -> Writer& { return w; })
        .def("__exit__",
             [](Writer& w, const py::object& type, const py::object&, const py::object&) {
                 if (w.Closed()) return false;
                 if (type.is_none())
                     w.Save();
                 else
                     w.Abandon();
                 return false;
             });
}

}  // namespace vdxml_py
