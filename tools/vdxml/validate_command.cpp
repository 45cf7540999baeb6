// vdxml validate FILE...: every problem of each file against the format, with its line.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli.h"
#include "vdxml/validator.h"

namespace vdxml_cli {
namespace {
const char* kValidateUsage =
    "Usage: vdxml validate FILE... [--json]\n"
    "\n"
    "Checks each FILE against the survey format: the format's schema (installed as\n"
    "share/vdxml/vdxml.xsd) and the rules a schema cannot express (elements the readers cannot\n"
    "see, date-time marks, complete quality blocks, point codes defined in the project's code\n"
    "lists, ...). Each file is read once, front to back, in memory bounded by its nesting.\n"
    "\n"
    "Prints 'FILE:LINE: message' for every problem found, then one line per file: 'FILE: valid'\n"
    "or 'FILE: not valid'.\n"
    "\n"
    "  --json   the same as one JSON object: {\"valid\", \"files\": [{\"file\", \"valid\",\n"
    "           \"elements\", \"findings\": [{\"line\", \"column\", \"kind\", \"message\"}]}]}\n"
    "\n"
    "Exit status: 0 every file valid, 1 a file not valid or not readable, 2 usage error.\n";

const char* KindName(VDXML_FINDING::enmKind kind) {
    switch (kind) {
        case VDXML_FINDING::KIND_FILE:
            return "file";
        case VDXML_FINDING::KIND_SYNTAX:
            return "syntax";
        case VDXML_FINDING::KIND_ROOT:
            return "root";
        case VDXML_FINDING::KIND_NAMESPACE:
            return "namespace";
        case VDXML_FINDING::KIND_STRUCTURE:
            return "structure";
        case VDXML_FINDING::KIND_VALUE:
            return "value";
        case VDXML_FINDING::KIND_CONSISTENCY:
            return "consistency";
    }
    return "other";
}

// Prints each finding as it is found: the file is read once and its findings are not kept.
class FindingPrinter : public IVdXmlFindings {
  public:
    explicit FindingPrinter(const std::string& file) : m_file(file) {}
    void OnFinding(const VDXML_FINDING& f) override {
        const std::string message = f.message.utf8();
        if (f.line > 0)
            std::printf("%s:%ld: %s\n", m_file.c_str(), f.line, message.c_str());
        else
            std::printf("%s: %s\n", m_file.c_str(), message.c_str());
        ++count;
    }
    long long count = 0;

  private:
    const std::string& m_file;
};

std::string Plural(long long n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}
}  // namespace

int RunValidate(Args args) {
    std::vector<std::string> files;
    bool json = false;
    // Every argument that is not an option is one more FILE.
    const bool goOn = ReadArguments(args, kValidateUsage, nullptr, [&](const std::string& arg) {
        if (arg == "--json")
            json = true;
        else if (arg.size() > 1 && arg[0] == '-')
            return false;
        else
            files.push_back(arg);
        return true;
    });
    if (!goOn) return kExitOk;
    if (files.empty()) throw UsageError("no FILE given");

    CVdXmlValidator validator;
    bool allValid = true;
    nlohmann::ordered_json report = {{"valid", true}, {"files", nlohmann::ordered_json::array()}};
    for (const std::string& file : files) {
        long status;
        if (json) {
            std::vector<VDXML_FINDING> findings;
            status = validator.Validate(file.c_str(), findings);
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const VDXML_FINDING& f : findings)
                list.push_back({{"line", f.line},
                                {"column", f.column},
                                {"kind", KindName(f.kind)},
                                {"message", f.message.utf8()}});
            report["files"].push_back({{"file", file},
                                       {"valid", status == S_OK},
                                       {"elements", validator.GetElementCount()},
                                       {"findings", list}});
        } else {
            FindingPrinter printer(file);
            status = validator.Validate(file.c_str(), printer);
            if (status == S_OK)
                std::printf("%s: valid, %s\n", file.c_str(),
                            Plural(validator.GetElementCount(), "element", "elements").c_str());
            else if (status == VDXML_E_INVALID)
                std::printf("%s: not valid, %s\n", file.c_str(),
                            Plural(printer.count, "problem", "problems").c_str());
            else
                std::printf("%s: not validated\n", file.c_str());
        }
        allValid = allValid && status == S_OK;
    }
    if (json) {
        report["valid"] = allValid;
        std::printf("%s\n", report.dump(2).c_str());
    }
    return allValid ? kExitOk : kExitBadInput;
}

}  // namespace vdxml_cli
