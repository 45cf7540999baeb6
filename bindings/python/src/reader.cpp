// vdxml.open: a pull-style iterator over the library's push-style streaming read. A worker
// thread runs CVdXmlParser::ParseStream with a callback that copies each record and hands it
// to a small bounded queue; the Python side takes records from the queue, waiting without
// the GIL. Memory stays bounded by the queue and the nesting depth, whatever the file's size.
// Closing the reader (or dropping it) makes the callback raise, which stops the parse at the
// next element, and joins the worker.
#include <pybind11/stl.h>
#include <sys/stat.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "records.h"

namespace vdxml_py {
namespace {

/// Records waiting in the queue at most; the parse waits while the queue is full.
constexpr std::size_t kQueueCapacity = 64;

/// One reported element: its record and its place in the document.
struct Item {
    std::unique_ptr<VDXML_BASE> record;
    long index = 0;
    long depth = 0;
    long parent = -1;
};

/// Raised by the callback to end the parse once the reader is closed; the library stops its
/// read for any exception a callback raises.
struct ReadCancelled : std::exception {
    const char* what() const noexcept override { return "the reader was closed"; }
};

/// Kinds whose complete record is known only at the element's close (values that follow a
/// nested element reach the record then): they are copied again at their close, and the
/// records after them wait until then so that document order is kept.
bool CompleteAtClose(std::int32_t type) {
    return type == VDXML_TYPE_DCOORD || type == VDXML_TYPE_COORDINATESYSTEM ||
           type == VDXML_TYPE_GPSBASELINE;
}

class Reader;

/// The worker's side: numbers the records in pre-order, keeps the path of open ones for
/// depth and parent, and passes finished records to the reader's queue.
class Collector : public CVdXmlRecordCallback {
  public:
    explicit Collector(Reader& reader) : m_reader(reader) {}
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) override;
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) override;
    /// Before the whole-file read that follows a stream that could not be read in order: the
    /// records handed on so far are the same ones Parse sends first, so they are skipped.
    void Restart() {
        FlushAll();
        m_skip = m_next;
        m_next = 0;
        m_open.clear();
    }
    /// Hands on every record still waiting, complete or not (the read has ended).
    void FlushAll();

  private:
    struct Pending {
        Item item;
        bool ready = false;
    };
    struct Open {
        long index;
        Pending* pending;  // the record to copy again at its close, or null
    };
    void Flush();

    Reader& m_reader;
    std::vector<Open> m_open;
    std::deque<Pending> m_pending;  // in document order; the front waits for its close
    long m_next = 0;
    long m_skip = 0;
};

class Reader {
  public:
    Reader(std::string path, bool complete) : m_path(std::move(path)), m_complete(complete) {
        struct stat info {};
        if (::stat(m_path.c_str(), &info) != 0) {
            const int error = errno;
            const long status = error == ENOENT || error == ENOTDIR
                                    ? static_cast<long>(0x80070002l)
                                    : static_cast<long>(0x80070005l);
            throw StatusError(
                KindOfStatus(status), status,
                m_path + ": " + std::strerror(error) + " (" + StatusText(status) + ")");
        }
        if (S_ISDIR(info.st_mode))
            throw StatusError(ErrorKind::General, 0x80070005l,
                              m_path + ": is a folder, not a file");
        m_worker = std::thread([this] { Run(); });
    }
    ~Reader() { Stop(); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    /// The next record, or nullopt at the end (after raising the read's failure once).
    std::optional<Item> Take() {
        if (m_closed) InvalidArgument("the reader of " + m_path + " is closed");
        if (m_peeked) {
            std::optional<Item> item = std::move(m_peeked);
            m_peeked.reset();
            return item;
        }
        std::optional<Item> item;
        {
            py::gil_scoped_release release;
            std::unique_lock<std::mutex> lock(m_mutex);
            m_hasItems.wait(lock, [this] { return !m_queue.empty() || m_done; });
            if (m_stop) {
                lock.unlock();
                py::gil_scoped_acquire acquire;
                InvalidArgument("the reader of " + m_path + " was closed");
            }
            if (!m_queue.empty()) {
                item = std::move(m_queue.front());
                m_queue.pop_front();
                m_hasSpace.notify_one();
            }
        }
        if (!item) RaiseFailureOnce();
        return item;
    }

    /// The first record, kept for the next Take: the root element's, for the header.
    const Item* Peek() {
        if (!m_peeked) m_peeked = Take();
        return m_peeked ? &*m_peeked : nullptr;
    }

    void Close() {
        if (m_closed) return;
        py::gil_scoped_release release;
        Stop();
    }
    bool Closed() const { return m_closed; }
    const std::string& Path() const { return m_path; }

    // ---- the worker's side ----
    bool Stopping() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_stop;
    }
    /// Waits for room in the queue; raises ReadCancelled once the reader is closed.
    void Push(Item item) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_hasSpace.wait(lock, [this] { return m_stop || m_queue.size() < kQueueCapacity; });
        if (m_stop) throw ReadCancelled();
        m_queue.push_back(std::move(item));
        m_hasItems.notify_one();
    }

  private:
    void Run() {
        long status = S_OK;
        VDXML_PARSE_ERROR error;
        bool fallbackFailed = false;
        try {
            CVdXmlParser parser;
            Collector collector(*this);
            parser.SetCallbackInterface(&collector);
            status = parser.ParseStream(m_path.c_str(),
                                        m_complete ? VDXML_READ_COMPLETE : VDXML_READ_AS_PARSE);
            error = parser.GetParseError();
            if (status == VDXML_E_OUT_OF_ORDER && !Stopping()) {
                // A file whose entries come after nested elements is read whole instead.
                collector.Restart();
                status = parser.Parse(m_path.c_str());
                error = VDXML_PARSE_ERROR();
                error.status = status;
                // Parse refuses only files it cannot load: missing, unreadable or malformed.
                if (FAILED(status)) {
                    error.reason = L"the file cannot be loaded (not well-formed?)";
                    fallbackFailed = true;
                }
            }
            if (!Stopping()) collector.FlushAll();
        } catch (const ReadCancelled&) {
        } catch (const std::exception& e) {
            status = E_FAIL;
            error.status = status;
            error.reason = e.what();
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_status = status;
        m_error = error;
        m_fallbackFailed = fallbackFailed;
        m_done = true;
        m_hasItems.notify_all();
    }

    void Stop() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
            m_queue.clear();
            m_hasSpace.notify_all();
        }
        if (m_worker.joinable()) m_worker.join();
        m_closed = true;
        m_peeked.reset();
    }

    void RaiseFailureOnce() {
        if (m_failureRaised || SUCCEEDED(m_status)) return;
        m_failureRaised = true;
        std::string where = m_path;
        if (m_error.line > 0) where += ":" + std::to_string(m_error.line);
        if (m_error.column > 0) where += ":" + std::to_string(m_error.column);
        const std::string reason =
            m_error.reason.empty() ? "cannot be read" : m_error.reason.utf8();
        throw StatusError(m_fallbackFailed ? ErrorKind::Malformed : KindOfStatus(m_status),
                          m_status, where + ": " + reason + " (" + StatusText(m_status) + ")");
    }

    const std::string m_path;
    const bool m_complete;
    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_hasItems;
    std::condition_variable m_hasSpace;
    std::deque<Item> m_queue;
    bool m_stop = false;
    bool m_done = false;
    long m_status = S_OK;
    VDXML_PARSE_ERROR m_error;
    bool m_fallbackFailed = false;  // the whole-file read after the stream failed too
    // The Python side only (under the GIL).
    bool m_closed = false;
    bool m_failureRaised = false;
    std::optional<Item> m_peeked;
};

int Collector::OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) {
    if (m_reader.Stopping()) throw ReadCancelled();
    const long index = m_next++;
    const long depth = static_cast<long>(m_open.size());
    const long parent = m_open.empty() ? -1 : m_open.back().index;
    if (index < m_skip || !KindName(record.nType)) {
        m_open.push_back({index, nullptr});
        return 0;
    }
    Pending pending;
    pending.item.record = CopyRecord(record);
    pending.item.index = index;
    pending.item.depth = depth;
    pending.item.parent = parent;
    pending.ready = !CompleteAtClose(record.nType);
    m_pending.push_back(std::move(pending));
    m_open.push_back({index, m_pending.back().ready ? nullptr : &m_pending.back()});
    Flush();
    return 0;
}

int Collector::OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) {
    if (m_reader.Stopping()) throw ReadCancelled();
    if (m_open.empty()) return 0;
    const Open open = m_open.back();
    m_open.pop_back();
    if (open.pending) {
        open.pending->item.record = CopyRecord(record);
        open.pending->ready = true;
        Flush();
    }
    return 0;
}

void Collector::Flush() {
    while (!m_pending.empty() && m_pending.front().ready) {
        Item item = std::move(m_pending.front().item);
        m_pending.pop_front();
        m_reader.Push(std::move(item));
    }
}

void Collector::FlushAll() {
    for (Open& open : m_open) open.pending = nullptr;
    for (Pending& pending : m_pending) pending.ready = true;
    Flush();
}

/// What iteration yields: the record with its kind and its place in the document.
struct Record {
    std::string kind;
    long index = 0;
    long depth = 0;
    long parent = -1;
    py::object data;
};

Record MakeRecord(Item item) {
    Record record;
    record.kind = KindName(item.record->nType);
    record.index = item.index;
    record.depth = item.depth;
    record.parent = item.parent;
    record.data = RecordToPython(std::move(item.record));
    return record;
}

// The date field a kind's datetime() converts when no field is named.
const char* DefaultDateField(const std::string& kind) {
    if (kind == KindName(VDXML_TYPE_PROJECT) || kind == KindName(VDXML_TYPE_COORDINATESYSTEM))
        return "Created";
    if (kind == KindName(VDXML_TYPE_POINT)) return "Epoch";
    if (kind == KindName(VDXML_TYPE_TPS_SETUP) || kind == KindName(VDXML_TYPE_TPS_OBSSET))
        return "Time";
    if (kind == KindName(VDXML_TYPE_GPS_ROVER)) return "TSCE.Start";
    return nullptr;
}

/// Ends a read at its first notification: the root is announced after its own entries.
class FirstRecordStop : public CVdXmlRecordCallback {
  public:
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { throw ReadCancelled(); }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { throw ReadCancelled(); }
};

/// The file's creation time ("FileCreated" of the root element). The parser tells it once a
/// read ends, so a second read of the file's head, stopped at the first record, finds it.
double FileCreated(const std::string& path) {
    py::gil_scoped_release release;
    FirstRecordStop stop;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&stop);
    parser.ParseStream(path.c_str());
    return parser.GetFileCreated();
}

py::object Header(Reader& reader) {
    const Item* first = reader.Peek();
    if (!first || first->record->nType != VDXML_TYPE_ROOT) return py::none();
    const auto& root = static_cast<const VDXML_ROOT&>(*first->record);
    const double created = FileCreated(reader.Path());
    const py::module_ helpers = py::module_::import("vdxml._helpers");
    return helpers.attr("Header")(
        root.Company, root.Application,
        py::make_tuple(root.Version.Major, root.Version.Minor, root.Version.Build),
        py::cast(root.Units), helpers.attr("mjd_to_datetime")(created),
        VdXmlIsSet(created) ? py::object(py::float_(created)) : py::object(py::none()),
        root.SourceDatasetLocation);
}

}  // namespace

void BindReader(py::module_& m) {
    py::class_<Record>(m, "Record",
                       "One element of a file as the reader reports it: its kind (the element "
                       "name, \"Pnt\", \"Crd\", ...), its pre-order index, its depth among the "
                       "reported elements, its parent's index (-1 for the root) and its record. "
                       "The record's fields read as attributes of the Record itself.")
        .def_readonly("kind", &Record::kind,
                      "The element name: \"Company\", \"Project\", \"Pnt\", ...")
        .def_readonly("index", &Record::index, "Position in document order, from 0 (the root).")
        .def_readonly("depth", &Record::depth, "Nesting among reported elements: 0 for the root.")
        .def_readonly("parent", &Record::parent,
                      "Index of the enclosing reported element; -1 for the root.")
        .def_readonly("data", &Record::data, "The record itself (vdxml.Point, vdxml.Coord, ...).")
        .def("__getattr__",
             [](const Record& r, const std::string& name) -> py::object {
                 if (!name.empty() && name[0] != '_' && py::hasattr(r.data, name.c_str()))
                     return r.data.attr(name.c_str());
                 throw py::attribute_error("a " + r.kind + " record has no field '" + name + "'");
             })
        .def(
            "as_dict", [](const Record& r) { return r.data.attr("as_dict")(); },
            "The record's fields as a dict (nested records as dicts).")
        .def(
            "datetime",
            [](const Record& r, std::optional<std::string> field) -> py::object {
                std::string path;
                if (field) {
                    path = *field;
                } else if (const char* name = DefaultDateField(r.kind)) {
                    path = name;
                } else {
                    InvalidArgument("a " + r.kind + " record holds no date; name a field");
                }
                py::object value = r.data;
                std::size_t start = 0;
                while (true) {
                    const std::size_t dot = path.find('.', start);
                    const std::string part = path.substr(start, dot - start);
                    if (!py::hasattr(value, part.c_str()))
                        InvalidArgument("a " + r.kind + " record has no field '" + path + "'");
                    value = value.attr(part.c_str());
                    if (dot == std::string::npos) break;
                    start = dot + 1;
                }
                if (!py::isinstance<py::float_>(value))
                    InvalidArgument(r.kind + "." + path + " is not a date");
                return py::module_::import("vdxml._helpers").attr("mjd_to_datetime")(value);
            },
            py::arg("field") = py::none(),
            "The date field (a Modified Julian Date) as a naive datetime.datetime in the file's "
            "time system, or None when unset. Without a field: the kind's own date (a "
            "project's Created, a point's Epoch, a setup's or observation's Time, a rover's "
            "TSCE.Start).")
        .def("__repr__", [](const Record& r) {
            return "<vdxml.Record " + r.kind + " index=" + std::to_string(r.index) +
                   " depth=" + std::to_string(r.depth) + " parent=" + std::to_string(r.parent) +
                   ">";
        });

    py::class_<Reader>(m, "Reader",
                       "Reads a file front to back in bounded memory, one Record per reported "
                       "element in document order. Use vdxml.open(path).")
        .def(py::init([](const py::handle& path, bool complete) {
                 return std::make_unique<Reader>(PathArg(path), complete);
             }),
             py::arg("path"), py::arg("complete") = true,
             "Opens path for reading; complete=True also reads the values of coordinate "
             "differences and coordinate systems that a plain read leaves out.")
        .def("__iter__",
             [](Reader& r) -> Reader& {
                 if (r.Closed()) InvalidArgument("the reader of " + r.Path() + " is closed");
                 return r;
             })
        .def("__next__",
             [](Reader& r) {
                 std::optional<Item> item = r.Take();
                 if (!item) throw py::stop_iteration();
                 return MakeRecord(std::move(*item));
             })
        .def_property_readonly("header", &Header,
                               "The file's header (vdxml.Header: company, application, version, "
                               "units, created), or None for a file without a root \"Company\".")
        .def_property_readonly("path", &Reader::Path, "The file read.")
        .def_property_readonly("closed", &Reader::Closed, "True once closed.")
        .def("close", &Reader::Close,
             "Stops the read (the worker thread ends at the next element) and frees the queue. "
             "Closing twice is allowed.")
        .def("__enter__", [](Reader& r) -> Reader& { return r; })
        .def("__exit__", [](Reader& r, const py::args&) {
            r.Close();
            return false;
        });
}

}  // namespace vdxml_py
