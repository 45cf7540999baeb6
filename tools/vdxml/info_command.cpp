// vdxml info FILE: what a survey file holds, at a glance.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "cli.h"
#include "record_text.h"
#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
const char* kInfoUsage =
    "Usage: vdxml info FILE\n"
    "\n"
    "Prints the company, application, version, units, creation time, file size and encoding\n"
    "of FILE and how many elements of each kind it holds.\n";

// The encoding from the byte-order mark (the library writes UTF-16 with one).
std::string DetectEncoding(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char bom[3] = {0, 0, 0};
    in.read(reinterpret_cast<char*>(bom), 3);
    if (bom[0] == 0xFF && bom[1] == 0xFE) return "UTF-16LE (byte-order mark)";
    if (bom[0] == 0xFE && bom[1] == 0xFF) return "UTF-16BE (byte-order mark)";
    if (bom[0] == 0xEF && bom[1] == 0xBB && bom[2] == 0xBF) return "UTF-8 (byte-order mark)";
    return "UTF-8 or as declared (no byte-order mark)";
}

// Counts the records of each kind as they stream past and keeps the first root record. A
// record that the record tree would drop (a known element outside the root element, or inside
// one so dropped) is not counted, so the counts are those of `vdxml dump`.
class KindCounter : public SurveyReader {
  public:
    std::map<std::int32_t, long long> counts;
    bool hasRoot = false;
    VDXML_ROOT root;

    void Reset() override { *this = KindCounter(); }
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) override {
        const bool isRoot = record.nType == VDXML_TYPE_ROOT;
        const bool dropped = !isRoot && (m_dropped.empty() || m_dropped.back());
        m_dropped.push_back(dropped);
        if (dropped) return 0;
        ++counts[record.nType];
        if (isRoot && !hasRoot) {
            hasRoot = true;
            root = static_cast<const VDXML_ROOT&>(record);
        }
        return 0;
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override {
        if (!m_dropped.empty()) m_dropped.pop_back();
        return 0;
    }

  private:
    std::vector<bool> m_dropped;  // per open record, innermost last
};

std::string UnitText(const wchar_t* text, std::uint32_t code) {
    if (code == 0) return "-";
    return text ? _bstr_t(text).utf8() : std::to_string(code) + " (unknown)";
}
}  // namespace

int RunInfo(Args args) {
    std::string file;
    if (!ReadArguments(args, kInfoUsage, &file)) return kExitOk;

    KindCounter counter;
    const ReadOutcome outcome = ReadSurvey(file, counter);
    if (FAILED(outcome.status)) {
        ReportUnreadable(file, outcome.status);
        return kExitBadInput;
    }
    const std::map<std::int32_t, long long>& counts = counter.counts;
    const VDXML_ROOT* root = counter.hasRoot ? &counter.root : nullptr;
    struct stat st {};
    ::stat(file.c_str(), &st);

    std::printf("File:         %s\n", file.c_str());
    std::printf("Size:         %lld bytes\n", static_cast<long long>(st.st_size));
    std::printf("Encoding:     %s\n", DetectEncoding(file).c_str());
    if (root) {
        std::printf("Company:      %s\n", root->Company.utf8().c_str());
        std::printf("Application:  %s\n", root->Application.utf8().c_str());
        std::printf("Version:      %u.%u", root->Version.Major, root->Version.Minor);
        if (root->Version.Build) std::printf(" build %u", root->Version.Build);
        std::printf("\n");
        std::printf(
            "Units:        linear %s, angular %s, time %s\n",
            UnitText(CVdXmlRoot::LinearUnitText(root->Units.Linear), root->Units.Linear).c_str(),
            UnitText(CVdXmlRoot::AngularUnitText(root->Units.Angular), root->Units.Angular).c_str(),
            UnitText(CVdXmlRoot::TimeSystemText(root->Units.TimeSystem), root->Units.TimeSystem)
                .c_str());
        if (!root->SourceDatasetLocation.empty())
            std::printf("Source:       %s\n", root->SourceDatasetLocation.utf8().c_str());
    } else {
        std::printf("Company:      (no \"Company\" root element)\n");
    }
    const std::string created = MjdText(outcome.created);
    std::printf("Created:      %s\n", created.empty() ? "-" : created.c_str());
    std::printf("Elements:\n");
    for (std::int32_t kind : ReportedKinds()) {
        const auto it = counts.find(kind);
        if (it != counts.end()) std::printf("  %-18s %lld\n", KindName(kind).c_str(), it->second);
    }
    return kExitOk;
}

}  // namespace vdxml_cli
