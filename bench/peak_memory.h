// Peak resident memory of one piece of work, measured in a child process of its own so that
// neither earlier runs nor the allocator's cached memory blur the figure.
#pragma once

#include <functional>

namespace vdxml_bench {

struct PeakMemory {
    long baselineKib = 0;  ///< resident memory of the child before the work
    long peakKib = 0;      ///< the child's peak resident memory (VmHWM) after it
    long AboveBaselineKib() const { return peakKib - baselineKib; }
};

/// Forks, runs work in the child and reports its memory. Raises std::runtime_error when the
/// child fails (work raised, crashed or could not report).
PeakMemory MeasureInChild(const std::function<void()>& work);

}  // namespace vdxml_bench
