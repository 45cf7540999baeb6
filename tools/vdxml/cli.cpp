#include "cli.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "vdxml/record_tree.h"

namespace vdxml_cli {

std::string Args::Value(const std::string& option) {
    if (Empty()) throw UsageError(option + " needs a value");
    return Next();
}

long long Args::Number(const std::string& option, long long min, long long max) {
    const std::string text = Value(option);
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || value < min || value > max)
        throw UsageError(option + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    return value;
}

void ReportError(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "vdxml: %s: %s\n", file.c_str(), message.c_str());
}

std::string StatusText(long status) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08lX",
                  static_cast<unsigned long>(status) & 0xFFFFFFFFul);
    return buffer;
}

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }

bool ReadArguments(Args& args, const char* usage, std::string* file,
                   const std::function<bool(const std::string&)>& option) {
    while (!args.Empty()) {
        const std::string arg = args.Next();
        if (IsHelp(arg)) {
            std::fputs(usage, stdout);
            return false;
        }
        if (option && option(arg)) continue;
        if (!file || !file->empty() || (arg.size() > 1 && arg[0] == '-'))
            throw UsageError("unexpected argument '" + arg + "'");
        *file = arg;
    }
    if (file && file->empty()) throw UsageError("no FILE given");
    return true;
}

void ReportUnreadable(const std::string& file, long status) {
    const InputProblem problem = DescribeUnreadable(file, status);
    ReportError(problem.line > 0 ? file + ":" + std::to_string(problem.line) : file,
                problem.message);
}

bool LoadSurvey(const std::string& file, CVdXmlTree& tree) {
    long hr = tree.Load(file.c_str());
    const VDXML_BASE* root = SUCCEEDED(hr) ? tree.GetNode(0) : nullptr;
    if (SUCCEEDED(hr) && (!root || root->nType != VDXML_TYPE_ROOT)) hr = kNoSurveyElement;
    if (SUCCEEDED(hr)) return true;
    ReportUnreadable(file, hr);
    return false;
}

namespace {
// Passes a read on to a command's reader and notes whether a survey's root element came.
class RootWatch : public SurveyReader {
  public:
    explicit RootWatch(SurveyReader& reader) : m_reader(reader) {}
    void Reset() override {
        sawRoot = false;
        m_reader.Reset();
    }
    int OnRecordOpen(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) override {
        sawRoot = sawRoot || record.nType == VDXML_TYPE_ROOT;
        return m_reader.OnRecordOpen(table, record);
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) override {
        return m_reader.OnRecordClose(table, record);
    }
    bool sawRoot = false;

  private:
    SurveyReader& m_reader;
};
}  // namespace

ReadOutcome ReadSurvey(const std::string& file, SurveyReader& commandReader,
                       unsigned long options) {
    RootWatch reader(commandReader);
    CVdXmlParser parser;
    parser.SetCallbackInterface(&reader);
    ReadOutcome outcome;
    outcome.status = parser.ParseStream(file.c_str(), options);
    outcome.error = parser.GetParseError();
    outcome.created = parser.GetFileCreated();
    if (outcome.status == VDXML_E_OUT_OF_ORDER) {
        reader.Reset();
        outcome.status = parser.Parse(file.c_str());
        outcome.error = VDXML_PARSE_ERROR();
        outcome.error.status = outcome.status;
    }
    if (SUCCEEDED(outcome.status) && !reader.sawRoot) outcome.status = kNoSurveyElement;
    return outcome;
}

std::string MjdText(double mjd) {
    if (!std::isfinite(mjd) || std::fabs(mjd) > 1e7) return "";
    const long long total = std::llround(mjd * 86400.0);  // to the nearest second
    const long long day = (total >= 0 ? total : total - 86399) / 86400;
    const long long seconds = total - day * 86400;
    // Civil date from days since 1970-01-01 (MJD 40587), proleptic Gregorian.
    const long long z = day - 40587 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", static_cast<int>(y),
                  static_cast<int>(m), static_cast<int>(d), static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return text;
}

}  // namespace vdxml_cli
