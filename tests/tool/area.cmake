# The tool's tests run the built program (its path below) and read its JSON output back with
# nlohmann-json; the sample writer's positions come from the test support library.
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(${VDXML_AREA_TARGET} PRIVATE nlohmann_json::nlohmann_json)
if(TARGET vdxml_tool)
    add_dependencies(${VDXML_AREA_TARGET} vdxml_tool)
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
                               VDXML_TOOL_PATH="$<TARGET_FILE:vdxml_tool>")
else()
    # Built without the tool (VDXML_BUILD_TOOLS=OFF): the tests that run it skip themselves.
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE VDXML_TOOL_PATH="")
endif()
