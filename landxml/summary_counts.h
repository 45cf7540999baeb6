// The counts of a conversion and its messages, gathered by reason so that a million points
// passed over for one reason make one message.
#pragma once

#include <map>
#include <string>

#include "vdxml/landxml.h"

namespace vdxml_landxml {

class SummaryCounts {
  public:
    VDXML_LANDXML_SUMMARY counts;
    /// One element passed over for reason ("GPS receiver without a baseline").
    void Skip(const std::string& reason) {
        ++counts.skipped;
        ++m_reasons[reason];
    }
    /// A message that stands alone (the reason of a failure).
    void Tell(const std::string& message) { counts.messages.push_back(message.c_str()); }
    /// The summary with one message per reason: "N x reason".
    VDXML_LANDXML_SUMMARY Result() const {
        VDXML_LANDXML_SUMMARY result = counts;
        for (const auto& [reason, count] : m_reasons)
            result.messages.push_back((std::to_string(count) + " skipped: " + reason).c_str());
        return result;
    }

  private:
    std::map<std::string, long long> m_reasons;
};

}  // namespace vdxml_landxml
