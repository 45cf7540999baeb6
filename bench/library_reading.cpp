#include "library_reading.h"

#include <stdexcept>

#include "vdxml/vdxml.h"

namespace vdxml_bench {
namespace {

// Counts the open notifications and otherwise does nothing.
class CountingNotifications final : public CVdXmlRecordCallback {
  public:
    long long Opened() const { return m_opened; }
    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override {
        ++m_opened;
        return 0;
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override { return 0; }

  private:
    long long m_opened = 0;
};

void Load(CVdXmlTree& tree, const std::string& path) {
    if (FAILED(tree.Load(path.c_str())))
        throw std::runtime_error("library: cannot load the record tree of " + path);
}

}  // namespace

void LoadRecordTree(const std::string& path) {
    CVdXmlTree tree;
    Load(tree, path);
}

long long CountTreeRecords(const std::string& path) {
    CVdXmlTree tree;
    Load(tree, path);
    CountingNotifications callback;
    tree.Scan(&callback);
    return callback.Opened();
}

long long ParseWithEmptyCallback(const std::string& path) {
    CountingNotifications callback;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&callback);
    if (FAILED(parser.Parse(path.c_str())))
        throw std::runtime_error("library: cannot parse " + path);
    return callback.Opened();
}

long long ParseStreamWithEmptyCallback(const std::string& path) {
    CountingNotifications callback;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&callback);
    if (FAILED(parser.ParseStream(path.c_str())))
        throw std::runtime_error("library: cannot parse " + path);
    return callback.Opened();
}

long long ValidateWithLibrary(const std::string& path) {
    std::vector<VDXML_FINDING> findings;
    CVdXmlValidator validator;
    if (validator.Validate(path.c_str(), findings) != S_OK)
        throw std::runtime_error("library: " + path + " is not valid" +
                                 (findings.empty() ? "" : ": " + findings[0].message.utf8()));
    return validator.GetElementCount();
}

}  // namespace vdxml_bench
