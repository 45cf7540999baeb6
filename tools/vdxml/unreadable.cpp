// Why a file cannot be read as a survey, in words: a missing file, a directory, a file that
// cannot be opened or read, a malformed file (with its line) or a well-formed one in which the
// readers find no survey element (with what its root element is instead).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli.h"
#include "vdxml/validator.h"

namespace vdxml_cli {
namespace {

// A streamed read that keeps nothing: only where it breaks counts.
class NothingKept : public CVdXmlRecordCallback {
  public:
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }
};

// strerror's text as the end of a sentence.
std::string SystemText(int err) {
    std::string text = std::strerror(err);
    if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z') text.front() += 'a' - 'A';
    return text;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

InputProblem NotWellFormed(const std::string& file) {
    NothingKept reader;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&reader);
    parser.ParseStream(file.c_str());
    const VDXML_PARSE_ERROR error = parser.GetParseError();
    const std::string reason = Trimmed(error.reason.utf8());
    return {error.line, "not well-formed XML" + (reason.empty() ? "" : ": " + reason)};
}

// A file that the streamed read sent back to the whole-file read, which then failed: the
// validator reads it to its first fault, where a malformed file breaks.
InputProblem MalformedOrUnread(const std::string& file) {
    CVdXmlValidator validator;
    std::vector<VDXML_FINDING> findings;
    validator.Validate(file.c_str(), findings);
    for (const VDXML_FINDING& f : findings)
        if (f.kind == VDXML_FINDING::KIND_SYNTAX)
            return {f.line, "not well-formed XML: " + f.message.utf8()};
    return {0, "cannot be read as a survey file"};
}

// What the validator says first about the root element or the names the readers cannot see.
InputProblem NoSurveyElement(const std::string& file) {
    const std::string hint = "; 'vdxml validate " + file + "' lists every problem";
    CVdXmlValidator validator;
    std::vector<VDXML_FINDING> findings;
    validator.Validate(file.c_str(), findings);
    const VDXML_FINDING* cause = findings.empty() ? nullptr : &findings.front();
    for (const VDXML_FINDING& f : findings)
        if (f.kind == VDXML_FINDING::KIND_ROOT || f.kind == VDXML_FINDING::KIND_NAMESPACE) {
            cause = &f;
            break;
        }
    const std::string none = "no survey element the readers can see";
    if (!cause) return {0, none + " (no \"Company\" root element)" + hint};
    return {cause->line, none + ": " + cause->message.utf8() + hint};
}

}  // namespace

std::string StatusWords(long status) {
    struct Words {
        std::uint32_t status;
        const char* words;
    };
    // The system's failures as the file stream and the readers report them (0x8007xxxx).
    static const Words kWords[] = {
        {0x80070002u, "no such file or folder"},
        {0x80070003u, "no such folder"},
        {0x80070004u, "too many open files"},
        {0x80070005u, "permission denied"},
        {0x80070008u, "out of memory"},
        {0x8007000Eu, "out of memory"},
        {0x80070020u, "the file is in use"},
        {0x80070050u, "the file exists"},
        {0x80070070u, "the disk is full"},
        {0x800700DFu, "the file is too large"},
        {0x8007045Du, "an input or output error"},
        {0x80004005u, "a record was refused"},
    };
    const auto bits = static_cast<std::uint32_t>(status);
    for (const Words& w : kWords)
        if (w.status == bits) return w.words;
    return "status " + StatusText(status);
}

InputProblem DescribeUnreadable(const std::string& file, long status) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return {0, errno == ENOENT ? "no such file" : "cannot be opened: " + SystemText(errno)};
    if (S_ISDIR(st.st_mode)) return {0, "is a directory, not a survey file"};
    if (status == kNoSurveyElement) return NoSurveyElement(file);
    const unsigned long facility = static_cast<unsigned long>(status) & 0xFFFF0000ul;
    if (facility == 0xC00C0000ul) return NotWellFormed(file);  // libxml2's faults
    if (facility == 0x80070000ul) {                            // the system's
        const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return {0, "cannot be opened: " + SystemText(errno)};
        char byte;
        const bool readable = ::read(fd, &byte, 1) >= 0;
        const int err = errno;
        ::close(fd);
        if (!readable) return {0, "cannot be read: " + SystemText(err)};
    }
    if (status == E_OUTOFMEMORY) return {0, "cannot be read: out of memory"};
    return MalformedOrUnread(file);
}

}  // namespace vdxml_cli
