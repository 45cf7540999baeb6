# The command tests run the built program (its path below).
if(TARGET vdxml_tool)
    add_dependencies(${VDXML_AREA_TARGET} vdxml_tool)
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
                               VDXML_TOOL_PATH="$<TARGET_FILE:vdxml_tool>")
else()
    # Built without the tool (VDXML_BUILD_TOOLS=OFF): the tests that run it skip themselves.
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE VDXML_TOOL_PATH="")
endif()
# The official LandXML 1.2 schema is not part of the project; the schema test reads it from
# the shared reference folder beside the project and skips itself when it is not there.
target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
    VDXML_LANDXML_SCHEMA="${PROJECT_SOURCE_DIR}/../shared/reference/LandXML-1.2.xsd")
