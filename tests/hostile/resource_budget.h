// Time and memory limits for reading hostile files. A budget arms an alarm that ends the
// test program if a read hangs, and measures how far the process's peak resident memory rose
// above where it stood when the budget started.
#pragma once

#include <chrono>
#include <string>

namespace vdxml_test {

class ResourceBudget {
  public:
    /// Starts the clock and the alarm (seconds, whole) and resets the peak memory mark.
    ResourceBudget(int seconds, long megabytes);
    /// Disarms the alarm.
    ~ResourceBudget();
    ResourceBudget(const ResourceBudget&) = delete;
    ResourceBudget& operator=(const ResourceBudget&) = delete;

    /// Fails the calling test when the time or the memory went over the budget; what names
    /// the operation in the message.
    void Check(const std::string& what) const;

  private:
    std::chrono::steady_clock::time_point m_start;
    int m_seconds;
    long m_megabytes;
    long m_baselineKb;
};

/// The process's resident memory now and at its peak (kB), from /proc/self/status.
long ResidentKb();
long PeakResidentKb();

}  // namespace vdxml_test
