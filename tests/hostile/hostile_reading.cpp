#include "hostile/hostile_reading.h"

#include <gtest/gtest.h>

#include <fstream>

#include "hostile/resource_budget.h"
#include "support/notification_log.h"
#include "vdxml/record_tree.h"

namespace vdxml_test {

HostileRead ReadWithinBudget(const std::string& path, int seconds, long megabytes) {
    HostileRead read;
    {
        ResourceBudget budget(seconds, megabytes);
        NotificationLog log;
        CVdXmlParser parser;
        parser.SetCallbackInterface(&log);
        read.parsed = parser.Parse(path.c_str());
        read.notifications = log.Entries().size();
        budget.Check("parsing " + path);
    }
    {
        ResourceBudget budget(seconds, megabytes);
        CVdXmlTree tree;
        read.loaded = tree.Load(path.c_str());
        for (int i = 0; VDXML_BASE* record = tree.GetNode(i); ++i) {
            read.treeTypes.push_back(record->nType);
            if (record->nType == VDXML_TYPE_ROOT && read.company.empty())
                read.company = static_cast<VDXML_ROOT*>(record)->Company.wstr();
        }
        budget.Check("loading " + path);
    }
    return read;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

void ExpectRefused(const HostileRead& read) {
    EXPECT_EQ(read.parsed, E_FAIL);
    EXPECT_EQ(read.loaded, E_FAIL);
    EXPECT_EQ(read.notifications, 0u);
    EXPECT_TRUE(read.treeTypes.empty());
}

}  // namespace vdxml_test
