// Documents on different threads at once: each load reports its own error, and the ProgID
// switch may be used meanwhile.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/sample_document.h"
#include "vdxml/engine/factory.h"

namespace {

TEST(EngineThreads, ParallelLoadsKeepTheirOwnErrors) {
    std::atomic<int> mismatches{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &mismatches] {
            IXMLDOMDocument2Ptr doc;
            if (CreateEngineObject(doc, L"MsXml2.DomDocument") < 0) {
                ++mismatches;
                return;
            }
            // Thread t's documents break on line t + 2.
            const std::wstring broken = L"<r>" + std::wstring(t + 1, L'\n') + L"<a></b></r>";
            for (int i = 0; i < 200; ++i) {
                const bool good = doc->loadXML(L"<ok>" + std::to_wstring(i) + L"</ok>");
                const bool bad = doc->loadXML(broken);
                if (!good || bad || doc->GetparseError().line != t + 2) ++mismatches;
            }
        });
    }
    threads.emplace_back([] {
        for (int i = 0; i < 200; ++i) {
            VdXmlEngine::SetProgIdAvailable(L"MsXml2.MXXMLWriter", i % 2 == 0);
            VdXmlEngine::ResetProgIds();
        }
    });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(0, mismatches.load());
}

}  // namespace
