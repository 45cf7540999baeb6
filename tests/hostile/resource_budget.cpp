#include "hostile/resource_budget.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace vdxml_test {
namespace {

long StatusFieldKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == field) {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return value;
}

// Resets the peak resident mark to the current resident memory (Linux 4.0 and later); where
// that is refused the peak stays and the budget is measured from it instead.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace

long ResidentKb() { return StatusFieldKb("VmRSS:"); }
long PeakResidentKb() { return StatusFieldKb("VmHWM:"); }

ResourceBudget::ResourceBudget(int seconds, long megabytes)
    : m_start(std::chrono::steady_clock::now()), m_seconds(seconds), m_megabytes(megabytes) {
    ResetPeak();
    m_baselineKb = PeakResidentKb();
    // A read that never returns ends the test program instead of stalling the suite.
    alarm(static_cast<unsigned>(seconds) * 4 + 30);
}

ResourceBudget::~ResourceBudget() { alarm(0); }

void ResourceBudget::Check(const std::string& what) const {
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    EXPECT_LT(elapsed, m_seconds) << what << " took " << elapsed << " s";
    const long grownKb = PeakResidentKb() - m_baselineKb;
    EXPECT_LT(grownKb, m_megabytes * 1024)
        << what << " raised the peak memory by " << grownKb << " kB";
}

}  // namespace vdxml_test
