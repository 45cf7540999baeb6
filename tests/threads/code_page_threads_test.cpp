// Two documents with different code pages written at the same time on two threads: each keeps
// its own page for every text, as a page chosen for the whole process would not.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "support/document_fixture.h"
#include "vdxml/vdxml.h"

namespace {

using namespace vdxml_test;

constexpr int kPoints = 300;

// Writes kPoints points named name + their number through page, each thread waiting for the
// other at every point; returns the names the record tree loads back.
std::vector<std::wstring> WriteInStep(const std::string& file, VDXML_CODEPAGE page,
                                      const std::wstring& name, std::atomic<int>& written) {
    struct Release {  // a thread that stops early must not hold the other one back
        std::atomic<int>& written;
        ~Release() { written += kPoints; }
    } release{written};
    VDXML_ROOT root = SampleRoot();
    root.CodePage = page;
    CVdXmlDocument doc;
    if (doc.Initialize(root, IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(file.c_str()), 0) != S_OK)
        return {};
    VDXML_PROJECT project;
    project.Name = L"Threads";
    CVdXmlProject projectNode;
    if (doc.InsertProject(project, projectNode) != S_OK) return {};
    for (int i = 0; i < kPoints; ++i) {
        VDXML_POINT point;
        point.Name = name + std::to_wstring(i);
        CVdXmlPoint pointNode;
        if (pointNode.Create(projectNode, point) != S_OK) return {};
        ++written;
        while (written.load() < 2 * (i + 1)) std::this_thread::yield();  // both wrote point i
    }
    if (doc.Save() != S_OK) return {};
    CVdXmlTree tree;
    std::vector<std::wstring> names;
    if (tree.Load(file.c_str()) != S_OK) return names;
    for (int i = 0; const VDXML_BASE* record = tree.GetNode(i); ++i)
        if (record->nType == VDXML_TYPE_POINT)
            names.push_back(static_cast<const VDXML_POINT*>(record)->Name.wstr());
    return names;
}

TEST(Threads, DocumentsOnTwoThreadsKeepTheirOwnCodePage) {
    const std::wstring name = L"\u0158\u0416 ";  // Czech and Cyrillic: each page lacks one
    TempDir dir;
    std::atomic<int> written{0};
    std::vector<std::wstring> czech, russian;
    std::thread a(
        [&] { czech = WriteInStep(dir.file("cz.xml"), VDXML_CODEPAGE_1250, name, written); });
    std::thread b(
        [&] { russian = WriteInStep(dir.file("ru.xml"), VDXML_CODEPAGE_1251, name, written); });
    a.join();
    b.join();
    ASSERT_EQ(czech.size(), static_cast<std::size_t>(kPoints));
    ASSERT_EQ(russian.size(), static_cast<std::size_t>(kPoints));
    for (int i = 0; i < kPoints; ++i) {
        EXPECT_EQ(czech[i], L"\u0158? " + std::to_wstring(i));
        EXPECT_EQ(russian[i], L"?\u0416 " + std::to_wstring(i));
    }
}

}  // namespace
