// The engine's validated stream on a schema of its own: a file of any namespace validated as the
// schema's, every element, text and fault told in order with its place, what the schema's text
// declares, a reader that raises, and schemas that do not compile.
#include "engine/schema_stream.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/test_files.h"

namespace {

using vdxml_engine::SchemaFaultKind;

constexpr char kSchema[] = R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"
    elementFormDefault="qualified">
  <xs:simpleType name="Count">
    <xs:annotation><xs:appinfo>a count</xs:appinfo></xs:annotation>
    <xs:restriction base="xs:int"><xs:minInclusive value="1"/></xs:restriction>
  </xs:simpleType>
  <xs:complexType name="Stamp">
    <xs:simpleContent><xs:extension base="Count">
      <xs:anyAttribute namespace="##other" processContents="skip"/>
    </xs:extension></xs:simpleContent>
  </xs:complexType>
  <xs:element name="r"><xs:complexType><xs:sequence>
    <xs:element name="n" type="Count" maxOccurs="unbounded"/>
    <xs:element name="s" type="Stamp" minOccurs="0"/>
  </xs:sequence></xs:complexType></xs:element>
</xs:schema>)";

// The events of a read, one word each: "+name@line ns" for an element and its namespace ("*"
// with the date-time mark), the text, "-" at its end and "!kind" for a fault.
struct Log : vdxml_engine::SchemaEvents {
    std::string events;
    bool raise = false;
    void StartElement(std::string_view local, std::string_view prefix, std::string_view ns,
                      const std::vector<vdxml_engine::AttributeText>&, bool isDateTime, long line,
                      long) override {
        if (raise) throw std::runtime_error("the reader stops");
        events += "+" + std::string(prefix.empty() ? "" : std::string(prefix) + ":") +
                  std::string(local) + "@" + std::to_string(line) + " " + std::string(ns) +
                  (isDateTime ? "*" : "") + " ";
    }
    void Text(std::string_view utf8) override { events += std::string(utf8) + " "; }
    void EndElement() override { events += "- "; }
    void SchemaFault(SchemaFaultKind kind, std::string_view) override {
        events += kind == SchemaFaultKind::Value  ? "!value "
                  : kind == SchemaFaultKind::Root ? "!root "
                                                  : "!structure ";
    }
};

TEST(SchemaStream, ReadsAnyNamespaceAsTheSchemas) {
    vdxml_engine::CompiledSchema schema;
    std::string reason;
    ASSERT_TRUE(schema.Compile(kSchema, reason)) << reason;
    EXPECT_EQ(schema.ElementTypes().at("n"), std::set<std::string>{"Count"});
    EXPECT_EQ(schema.SimpleTypes().at("Stamp").base, "Count");
    EXPECT_EQ(schema.SimpleTypes().at("Stamp").phrase, "a count");
    EXPECT_EQ(schema.SimpleTypes().at("Count").minInclusive, "1");

    const std::string dt = "xmlns:d='" + WideToUtf8(kDataTypesNamespace) + "'";
    const std::pair<std::string, std::string> files[] = {
        {"<r xmlns='urn:a'>\n<n>1</n></r>", "+r@1 urn:a \n +n@2 urn:a 1 - - "},
        {"<r xmlns='urn:b'><n>1</n></r>", "+r@1 urn:b +n@1 urn:b 1 - - "},
        {"<r><n>1</n></r>", "+r@1  +n@1  1 - - "},
        {"<p:r xmlns:p='urn:a'><p:n>2</p:n></p:r>", "+p:r@1 urn:a +p:n@1 urn:a 2 - - "},
        {"<r xmlns='urn:a'><n xmlns='urn:b'>1</n></r>", "+r@1 urn:a +n@1 urn:b !structure 1 - - "},
        {"<r xmlns='urn:a'><n xmlns=''>1</n></r>", "+r@1 urn:a +n@1  !structure 1 - - "},
        {"<r>\n<n>0</n></r>", "+r@1  \n +n@2  0 !value - - "},
        {"<r><s/></r>", "+r@1  +s@1  !structure - - "},
        {"<q><n>1</n></q>", "+q@1  !root +n@1  1 - - "},
        {"<r " + dt + "><n>1</n><s d:dt='DateTime'>3</s></r>", "+r@1  +n@1  1 - +s@1 * 3 - - "},
        {"<r " + dt + "><n>1</n><s d:dt='date'>3</s></r>", "+r@1  +n@1  1 - +s@1  3 - - "},
    };
    vdxml_test::TempDir dir;
    const std::string path = dir.file("file.xml");
    for (const auto& [content, expected] : files) {
        vdxml_test::WriteBytes(path, content);
        Log log;
        XmlParseError error;
        const vdxml_engine::StreamEnd end =
            vdxml_engine::ValidateFileStream(path, schema, log, error);
        EXPECT_EQ(log.events, expected) << content;
        EXPECT_EQ(end, vdxml_engine::StreamEnd::Complete) << content;
    }
    vdxml_test::WriteBytes(path, "<r>\n<n>1</n>");  // the events before the fault, then the fault
    Log log;
    XmlParseError cut;
    EXPECT_EQ(vdxml_engine::ValidateFileStream(path, schema, log, cut),
              vdxml_engine::StreamEnd::Failed);
    EXPECT_EQ(log.events, "+r@1  \n +n@2  1 - ");
    EXPECT_EQ(cut.line, 2);

    Log raising;  // what the reader raises ends the read as its failure
    raising.raise = true;
    XmlParseError error;
    EXPECT_EQ(vdxml_engine::ValidateFileStream(path, schema, raising, error),
              vdxml_engine::StreamEnd::Failed);
    EXPECT_EQ(error.errorCode, E_FAIL);
    EXPECT_EQ(error.reason.utf8(), "the reader stops");
}

TEST(SchemaStream, SchemasThatDoNotCompile) {
    const std::pair<const char*, const char*> texts[] = {
        {"<xs:schema", "Namespace prefix xs on schema is not defined"},
        {"<xs:schema xmlns:xs='http://www.w3.org/2001/XMLSchema'><xs:element name='r' "
         "type='Missing'/></xs:schema>",
         "Missing"},
        {"<schema/>", "schema"},
    };
    for (const auto& [text, part] : texts) {
        vdxml_engine::CompiledSchema schema;
        std::string reason;
        EXPECT_FALSE(schema.Compile(text, reason)) << text;
        EXPECT_NE(reason.find(part), std::string::npos) << reason;
        EXPECT_FALSE(schema.IsCompiled());
        Log log;
        XmlParseError error;
        EXPECT_EQ(vdxml_engine::ValidateFileStream("/dev/null", schema, log, error),
                  vdxml_engine::StreamEnd::Failed);
        EXPECT_EQ(error.errorCode, E_FAIL);
    }
}

}  // namespace
