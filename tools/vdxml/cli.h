// Shared plumbing of the command-line tool: exit codes, argument scanning, messages.
#pragma once

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "vdxml/record_callback.h"

class CVdXmlTree;

namespace vdxml_cli {

enum ExitCode { kExitOk = 0, kExitBadInput = 1, kExitUsage = 2 };

/// A mistake in the command line: reported with the subcommand's usage, exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The arguments of one subcommand, consumed front to back.
class Args {
  public:
    explicit Args(std::vector<std::string> args) : m_args(std::move(args)) {}
    bool Empty() const { return m_pos >= m_args.size(); }
    const std::string& Peek() const { return m_args[m_pos]; }
    std::string Next() { return m_args[m_pos++]; }
    /// The value after an option; UsageError when it is missing.
    std::string Value(const std::string& option);
    /// A whole number after an option within [min, max]; UsageError otherwise.
    long long Number(const std::string& option, long long min, long long max);

  private:
    std::vector<std::string> m_args;
    std::size_t m_pos = 0;
};

/// "vdxml: FILE: message" on standard error.
void ReportError(const std::string& file, const std::string& message);
/// A status as 0xXXXXXXXX.
std::string StatusText(long status);
/// True when argument is --help or -h.
bool IsHelp(const std::string& argument);
/// The argument loop of every command. "--help" or "-h" prints usage and ends the loop: the
/// result is false and the command exits 0. Every other argument goes to option (when given),
/// which takes it, with any value after it from args, and answers true, or answers false for
/// an argument it does not know. Such an argument becomes the command's one FILE when file is
/// given; a second FILE, an unknown option, or any such argument without file, is a
/// UsageError, as is no FILE at all when file is given.
/// @return true when the command goes on
bool ReadArguments(Args& args, const char* usage, std::string* file,
                   const std::function<bool(const std::string&)>& option = nullptr);
/// Loads file into tree; when it cannot be read or holds no survey, says so on standard error
/// and returns false.
bool LoadSurvey(const std::string& file, CVdXmlTree& tree);
/// ReadSurvey's status for a well-formed file in which the readers find no survey element.
constexpr long kNoSurveyElement = vdxml_detail::FromHresult(0x80040250u);
/// Why a file cannot be read as a survey, in words, and the line concerned (0: the file).
struct InputProblem {
    long line = 0;
    std::string message;
};
/// A failure status in words: "no such folder", "the disk is full"; the number when there
/// are none.
std::string StatusWords(long status);
/// Describes the failure status of reading file (see unreadable.cpp).
InputProblem DescribeUnreadable(const std::string& file, long status);
/// Tells on standard error why file cannot be read as a survey: "vdxml: FILE[:LINE]: why".
void ReportUnreadable(const std::string& file, long status);

/// A command's notification object for a streamed read; it can start over from nothing.
class SurveyReader : public CVdXmlRecordCallback {
  public:
    /// Forgets everything received so far.
    virtual void Reset() = 0;
};

/// How a streamed read of a survey ended.
struct ReadOutcome {
    long status = S_OK;       ///< S_OK, or the failure status
    VDXML_PARSE_ERROR error;  ///< the line and reason of a failure, when the stream knows them
    double created = 0.0;     ///< the file's "FileCreated" (MJD), or VDXML_UNDEFINED
};
/// Reads file front to back into reader, in memory bounded by the file's nesting. A file whose
/// entries are out of order for streaming is read whole instead, after reader.Reset(). A file
/// read without a survey root element ends with kNoSurveyElement.
/// options: VDXML_READ_OPTION bits of CVdXmlParser::ParseStream.
ReadOutcome ReadSurvey(const std::string& file, SurveyReader& reader,
                       unsigned long options = VDXML_READ_AS_PARSE);
/// A Modified Julian Date as "YYYY-MM-DD hh:mm:ss", to the nearest second; empty when it is
/// not a date of the last ten thousand years or so.
std::string MjdText(double mjd);

int RunSample(Args args);
int RunInfo(Args args);
int RunDump(Args args);
int RunExport(Args args);
int RunCheck(Args args);
int RunValidate(Args args);
int RunImport(Args args);
/// Writes file as LandXML to output, or to standard output when output is empty.
int RunLandXmlExport(const std::string& file, const std::string& output);

}  // namespace vdxml_cli
