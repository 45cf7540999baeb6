// Entities in hostile files: external ones must never be fetched (the file they name is not
// even opened) nor expanded, and entities that expand to huge texts are refused quickly.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <string>

#include "hostile/hostile_reading.h"
#include "support/test_files.h"

namespace {

using vdxml_test::ReadWithinBudget;
using vdxml_test::TempDir;

constexpr char kSecret[] = "TOP-SECRET-CONTENT";

// Watches a file for being opened or read while alive.
class AccessWatch {
  public:
    explicit AccessWatch(const std::string& path)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          m_watch(m_fd >= 0 ? inotify_add_watch(m_fd, path.c_str(), IN_OPEN | IN_ACCESS) : -1) {}
    ~AccessWatch() {
        if (m_fd >= 0) close(m_fd);
    }
    AccessWatch(const AccessWatch&) = delete;
    AccessWatch& operator=(const AccessWatch&) = delete;
    bool Watching() const { return m_watch >= 0; }
    /// Whether the file was opened or read since the watch began.
    bool Touched() const {
        alignas(inotify_event) char buffer[4096];
        return read(m_fd, buffer, sizeof buffer) > 0;
    }

  private:
    int m_fd;
    int m_watch;
};

class ExternalEntities : public ::testing::Test {
  protected:
    void SetUp() override {
        vdxml_test::WriteBytes(m_secret, kSecret);
        vdxml_test::WriteBytes(m_dtd, "<!ENTITY leak SYSTEM 'file://" + m_secret + "'>");
    }

    // Reads a file made of prolog + body and checks that the secret file stayed closed and
    // its text appears nowhere in what was read.
    void ExpectNotFetched(const std::string& prolog, const std::string& body) {
        const std::string path = dir.file("hostile.xml");
        vdxml_test::WriteBytes(path, "<?xml version='1.0'?>" + prolog + body);
        AccessWatch watch(m_secret);
        AccessWatch dtdWatch(m_dtd);
        ASSERT_TRUE(watch.Watching() && dtdWatch.Watching());
        const vdxml_test::HostileRead read = ReadWithinBudget(path);
        EXPECT_FALSE(watch.Touched()) << "the entity's file was opened: " << prolog;
        EXPECT_FALSE(dtdWatch.Touched()) << "the external declarations were opened: " << prolog;
        EXPECT_EQ(read.company.find(L"SECRET"), std::wstring::npos);
        // Either reader may refuse the file; if it reads it, both agree.
        EXPECT_EQ(read.parsed, read.loaded);
        if (read.loaded == S_OK) {
            EXPECT_FALSE(read.treeTypes.empty());
        }
    }

    TempDir dir;
    std::string m_secret = dir.file("secret.txt");
    std::string m_dtd = dir.file("declarations.dtd");
};

const char kBody[] =
    "<Company><Name>A&leak;B</Name><Application><Name>x</Name></Application></Company>";

TEST_F(ExternalEntities, GeneralEntityInContentIsNotFetched) {
    ExpectNotFetched("<!DOCTYPE Company [<!ENTITY leak SYSTEM 'file://" + m_secret + "'>]>", kBody);
}

TEST_F(ExternalEntities, RelativeSystemIdentifierIsNotFetched) {
    ExpectNotFetched("<!DOCTYPE Company [<!ENTITY leak SYSTEM 'secret.txt'>]>", kBody);
}

TEST_F(ExternalEntities, ParameterEntityIsNotFetched) {
    ExpectNotFetched("<!DOCTYPE Company [<!ENTITY % decl SYSTEM 'file://" + m_dtd + "'> %decl;]>",
                     kBody);
}

TEST_F(ExternalEntities, ExternalSubsetIsNotFetched) {
    ExpectNotFetched("<!DOCTYPE Company SYSTEM 'file://" + m_dtd + "'>", kBody);
}

TEST_F(ExternalEntities, NetworkIdentifierIsNotFetched) {
    // Nothing listens there; a fetch would show as a delay or a failure of its own.
    ExpectNotFetched("<!DOCTYPE Company [<!ENTITY leak SYSTEM 'http://127.0.0.1:9/x'>]>", kBody);
}

// Entities that each expand to ten copies of the previous one: level n is 10^n long.
std::string LaughsProlog(int levels, const std::string& base) {
    std::string prolog = "<!DOCTYPE Company [<!ENTITY l0 '" + base + "'>";
    for (int level = 1; level <= levels; ++level) {
        prolog += "<!ENTITY l" + std::to_string(level) + " '";
        for (int i = 0; i < 10; ++i) prolog += "&l" + std::to_string(level - 1) + ";";
        prolog += "'>";
    }
    return prolog + "]>";
}

TEST(EntityExpansion, NestedEntitiesAreRefusedQuickly) {
    TempDir dir;
    const std::string path = dir.file("laughs.xml");
    // Ten levels: 10^10 copies, 30 GB if expanded.
    vdxml_test::WriteBytes(path, LaughsProlog(10, "lol") +
                                     "<Company><Name>&l10;</Name><Project><Name>&l10;</Name>"
                                     "</Project></Company>");
    const vdxml_test::HostileRead read = ReadWithinBudget(path, 10, 256);
    vdxml_test::ExpectRefused(read);
}

TEST(EntityExpansion, OneLargeEntityReferencedOftenIsBounded) {
    TempDir dir;
    const std::string path = dir.file("quadratic.xml");
    // 100 kB referenced 20,000 times: 2 GB if expanded.
    std::string body = "<Company><Name>";
    for (int i = 0; i < 20000; ++i) body += "&big;";
    body += "</Name></Company>";
    vdxml_test::WriteBytes(
        path, "<!DOCTYPE Company [<!ENTITY big '" + std::string(100000, 'x') + "'>]>" + body);
    const vdxml_test::HostileRead read = ReadWithinBudget(path, 10, 256);
    // Refused, or read with the expansion kept within the budget above.
    EXPECT_EQ(read.parsed, read.loaded);
    EXPECT_LT(read.company.size(), 50u * 1000 * 1000);
}

}  // namespace
