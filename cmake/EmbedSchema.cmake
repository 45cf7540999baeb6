# Writes OUTPUT, a C++ source defining vdxml_validation::SchemaText() as the bytes of INPUT.
# Run as a script: cmake -DINPUT=schema/vdxml.xsd -DOUTPUT=schema_text.cpp -P EmbedSchema.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
"// Generated from schema/vdxml.xsd by cmake/EmbedSchema.cmake when the library is built.
#include \"validation/schema_text.h\"

namespace vdxml_validation {
namespace {
const char kSchema[${size} + 1] = {
    ${bytes}0x00};
}  // namespace

std::string_view SchemaText() { return std::string_view(kSchema, ${size}); }

}  // namespace vdxml_validation
")
# Replaced only when changed, so that an unchanged schema compiles nothing again.
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.tmp ${OUTPUT})
file(REMOVE ${OUTPUT}.tmp)
