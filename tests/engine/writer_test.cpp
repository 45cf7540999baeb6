// The streaming writer over an in-memory stream: encoding, escaping, the same tree as the DOM,
// buffering, and failures.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/com_expect.h"
#include "engine/sample_document.h"
#include "support/memory_stream.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/engine/factory.h"

namespace {

using engine_test::SampleDocument;
using engine_test::WriteSax;
using vdxml_test::MemoryStream;
using vdxml_test::Utf16LeToUtf8;

class Writer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(S_OK, CreateEngineObject(writer, L"MsXml2.MXXMLWriter.4.0"));
        ASSERT_EQ(S_OK, CreateEngineObject(attributes, L"MsXml2.SAXAttributes.4.0"));
        content = writer;
        ASSERT_TRUE(content);
        holder = MemoryStream::Create(&stream);
    }

    // Binds the output the way the streaming back end does.
    void Bind() {
        writer->putOutput(_variant_t(static_cast<IUnknown*>(holder)));
        writer->putIndent(false);
        writer->putOmitXMLDeclaration(true);
    }

    void WriteSample() {
        content->startDocument();
        content->processingInstruction(L"xml", L" version='1.0' encoding='utf-16'");
        WriteSax(content, attributes, SampleDocument(), true);
        writer->flush();
    }

    std::string Text() const { return Utf16LeToUtf8(stream->Bytes()); }

    IMXWriterPtr writer;
    IMXAttributesPtr attributes;
    ISAXContentHandlerPtr content;
    MemoryStream* stream = nullptr;
    _com_ptr_t<IStream> holder;
};

TEST_F(Writer, OutputIsUtf16AfterByteOrderMark) {
    Bind();
    WriteSample();
    EXPECT_EQ(std::string("\xFF\xFE<\0?\0x\0m\0l\0 \0", 14), stream->Bytes().substr(0, 14));
    EXPECT_EQ(0u, Text().find("<?xml version='1.0' encoding='utf-16'?><Company "));
}

TEST_F(Writer, TextAndAttributesAreEscaped) {
    Bind();
    WriteSample();
    const std::string text = Text();
    EXPECT_NE(std::string::npos, text.find(">Survey &amp; Co &lt;Ltd&gt;</Name>")) << text;
    EXPECT_NE(std::string::npos, text.find("<Note vsrc=\"a&lt;b &amp; &quot;c&quot; 'd'\"/>"))
        << text;
    EXPECT_NE(std::string::npos, text.find("\xC3\x84\xE2\x82\xAC \xC3\xBCn")) << text;
}

TEST_F(Writer, AttributesKeepCollectionOrderAndWriterAddsNoDeclarations) {
    Bind();
    attributes->addAttribute(L"", L"b", L"b", L"", L"2");
    attributes->addAttribute(L"", L"a", L"", L"", L"1");  // no qualified name: the local one
    content->startElement(L"urn:x", L"e", L"e", ISAXAttributesPtr(attributes));
    content->endElement(L"urn:x", L"e", L"e");
    writer->flush();
    EXPECT_EQ("<e b=\"2\" a=\"1\"/>", Text());
}

TEST_F(Writer, SameCallsGiveTheSameTreeAsTheDom) {
    vdxml_test::TempDir dir;
    Bind();
    WriteSample();
    std::ofstream(dir.file("sax.xml"), std::ios::binary) << stream->Bytes();

    IXMLDOMDocument2Ptr doc = engine_test::NewDocument();
    doc->appendChild(doc->createProcessingInstruction(L"xml", L" version='1.0' encoding='utf-16'"));
    engine_test::BuildDom(doc, doc, SampleDocument());
    doc->save(_variant_t(dir.file("dom.xml").c_str()));

    const vdxml_test::XmlTree sax = vdxml_test::LoadXmlTree(dir.file("sax.xml"));
    const vdxml_test::XmlTree dom = vdxml_test::LoadXmlTree(dir.file("dom.xml"));
    EXPECT_EQ("", vdxml_test::DiffTrees(dom, sax));
    EXPECT_EQ("urn:schemas-microsoft-com:datatypes", sax.child("FileCreated")->attrNs.at("dt:dt"));
}

TEST_F(Writer, OutputIsHandedOverInBoundedBlocksWhileWriting) {
    Bind();
    content->startElement(L"", L"r", L"r", nullptr);
    for (int i = 0; i < 20000; ++i) {
        content->startElement(L"", L"Pnt", L"Pnt", nullptr);
        content->characters(L"point name");
        content->endElement(L"", L"Pnt", L"Pnt");
    }
    // Most of it has reached the stream before any flush, in blocks of bounded size.
    EXPECT_GT(stream->Bytes().size(), 500000u);
    for (std::size_t size : stream->WriteSizes()) EXPECT_LE(size, 65536u);
    content->endElement(L"", L"r", L"r");
    writer->flush();
    EXPECT_EQ(2u + 2u * (3 + 20000 * 21 + 4), stream->Bytes().size());
}

TEST_F(Writer, PartialStreamWritesAreContinued) {
    stream->LimitWrites(7);
    Bind();
    WriteSample();
    EXPECT_NE(std::string::npos, Text().find("</Company>"));
}

TEST_F(Writer, FailingStreamRaisesItsStatusAndStaysFailed) {
    const long diskFull = HRESULT_FROM_WIN32(112);
    stream->FailFrom(0, diskFull);
    Bind();
    content->startDocument();
    content->startElement(L"", L"r", L"r", nullptr);
    EXPECT_COM_ERROR(diskFull, writer->flush());
    EXPECT_COM_ERROR(diskFull, content->characters(L"more"));
    EXPECT_COM_ERROR(diskFull, content->endElement(L"", L"r", L"r"));
    EXPECT_EQ(1u, stream->WriteSizes().size());  // nothing offered after the failure
}

TEST_F(Writer, FailureDuringWritingSurfacesAtTheCallThatHitIt) {
    stream->FailFrom(1, E_FAIL);
    Bind();
    EXPECT_COM_ERROR(E_FAIL, {
        for (int i = 0; i < 100000; ++i) content->characters(L"0123456789");
    });
}

TEST_F(Writer, CallsBeforeOutputOrWithBadArgumentsAreRefused) {
    EXPECT_COM_ERROR(E_UNEXPECTED, content->startDocument());
    EXPECT_COM_ERROR(E_UNEXPECTED, content->characters(L"x"));
    EXPECT_COM_ERROR(E_UNEXPECTED, writer->flush());
    EXPECT_COM_ERROR(E_INVALIDARG, writer->putOutput(_variant_t(L"file.xml")));
    EXPECT_COM_ERROR(E_INVALIDARG,
                     writer->putOutput(_variant_t(static_cast<IUnknown*>(attributes))));
    EXPECT_COM_ERROR(E_NOTIMPL, writer->putIndent(true));
    Bind();
    EXPECT_COM_ERROR(E_INVALIDARG, content->startElement(L"", L"", L"", nullptr));
    EXPECT_COM_ERROR(E_INVALIDARG, content->startElement(L"", L"a b", L"", nullptr));
    EXPECT_COM_ERROR(E_INVALIDARG, content->processingInstruction(L"pi", L"a?>b"));
    EXPECT_COM_ERROR(E_INVALIDARG, ISAXLexicalHandlerPtr(writer)->comment(L"a--b"));
    EXPECT_COM_ERROR(E_INVALIDARG, attributes->addAttribute(L"", L"", L"", L"", L"v"));
    EXPECT_COM_ERROR(E_INVALIDARG, ISAXAttributesPtr(attributes)->getQName(0));
}

TEST_F(Writer, DeclarationInstructionsAndComments) {
    writer->putOutput(_variant_t(static_cast<IUnknown*>(holder)));
    content->startDocument();  // declaration not omitted: the writer writes its own
    content->processingInstruction(L"app", L"x=1");
    content->startElement(L"", L"r", L"r", nullptr);
    ISAXLexicalHandlerPtr(writer)->comment(L" c ");
    content->characters(L"");
    content->endElement(L"", L"r", L"r");
    content->endDocument();
    EXPECT_EQ(
        "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"no\"?><?app x=1?><r><!-- c --></r>",
        Text());
}

TEST_F(Writer, NewOutputReceivesWhatFollows) {
    Bind();
    content->startElement(L"", L"first", L"first", nullptr);
    content->endElement(L"", L"first", L"first");
    MemoryStream* second = nullptr;
    _com_ptr_t<IStream> secondHolder = MemoryStream::Create(&second);
    writer->putOutput(_variant_t(static_cast<IUnknown*>(secondHolder)));
    content->startElement(L"", L"second", L"second", nullptr);
    content->endElement(L"", L"second", L"second");
    writer->flush();
    EXPECT_EQ("<first/>", Text());
    EXPECT_EQ("<second/>", Utf16LeToUtf8(second->Bytes()));
}

TEST_F(Writer, ReleasingTheWriterHandsOverBufferedOutput) {
    Bind();
    content->startElement(L"", L"r", L"r", nullptr);
    content->endElement(L"", L"r", L"r");
    content = nullptr;
    writer = nullptr;
    EXPECT_EQ("<r/>", Text());
}

}  // namespace
