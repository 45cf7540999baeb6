#include "engine/libxml_setup.h"

#include <libxml/parser.h>

#include <mutex>

namespace vdxml_engine {
namespace {

thread_local bool t_blockExternalLoads = false;
xmlExternalEntityLoader g_libxmlLoader = nullptr;

// libxml2's loader is process-wide, so it is replaced once by one that refuses while the
// calling thread is inside an engine parse and defers to the original otherwise.
xmlParserInputPtr GuardedLoader(const char* url, const char* id, xmlParserCtxtPtr context) {
    if (t_blockExternalLoads) return nullptr;
    return g_libxmlLoader ? g_libxmlLoader(url, id, context) : nullptr;
}

}  // namespace

void EnsureLibxml() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        g_libxmlLoader = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(GuardedLoader);
    });
}

ExternalLoadBlock::ExternalLoadBlock() : m_previous(t_blockExternalLoads) {
    EnsureLibxml();
    t_blockExternalLoads = true;
}

ExternalLoadBlock::~ExternalLoadBlock() { t_blockExternalLoads = m_previous; }

}  // namespace vdxml_engine
