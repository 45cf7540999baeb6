// vdxml dump FILE: the record tree, one record per line, indented by depth.
#include <cstdio>
#include <set>

#include "cli.h"
#include "record_listing.h"
#include "record_text.h"

namespace vdxml_cli {
namespace {
const char* kDumpUsage =
    "Usage: vdxml dump FILE [--omit INDEX]... [--json]\n"
    "\n"
    "Prints the records of FILE in document order with their pre-order indices, indented\n"
    "by depth, each with its kind and key fields.\n"
    "\n"
    "  --omit INDEX   leave out the record at INDEX with everything below it (repeatable)\n"
    "  --json         print a JSON array of {index, depth, kind, fields} objects instead\n";
}  // namespace

int RunDump(Args args) {
    std::string file;
    std::set<long long> omitted;
    bool json = false;
    const bool goOn = ReadArguments(args, kDumpUsage, &file, [&](const std::string& arg) {
        if (arg == "--omit")
            omitted.insert(args.Number(arg, 0, 2147483647));
        else if (arg == "--json")
            json = true;
        else
            return false;
        return true;
    });
    if (!goOn) return kExitOk;

    CVdXmlTree tree;
    if (!LoadSurvey(file, tree)) return kExitBadInput;
    const std::vector<ListedRecord> all = ListRecords(tree);
    for (long long index : omitted) {
        if (FAILED(tree.OmitNode(static_cast<int>(index), true, true))) {
            ReportError(file, "no record at index " + std::to_string(index) + " (the file has " +
                                  std::to_string(all.size()) + ")");
            return kExitBadInput;
        }
    }
    const std::vector<ListedRecord> shown = omitted.empty() ? all : ListRecords(tree, &all);

    if (json) {
        nlohmann::ordered_json out = nlohmann::ordered_json::array();
        for (const ListedRecord& r : shown)
            out.push_back({{"index", r.index},
                           {"depth", r.depth},
                           {"kind", KindName(r.record->nType)},
                           {"fields", KeyFields(*r.record)}});
        std::printf("%s\n", out.dump(2).c_str());
        return kExitOk;
    }
    for (const ListedRecord& r : shown) {
        const std::string fields = KeyFieldsText(*r.record);
        std::printf("%5d  %*s%s%s%s\n", r.index, 2 * r.depth, "", KindName(r.record->nType).c_str(),
                    fields.empty() ? "" : "  ", fields.c_str());
    }
    return kExitOk;
}

}  // namespace vdxml_cli
