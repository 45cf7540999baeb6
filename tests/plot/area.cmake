# The plot tests run the built program (its path below) and read its pictures back with
# libxml2. The plan reader is also compiled in, to be fed records the library's readers do not
# fill today (baseline vectors).
find_package(nlohmann_json 3 REQUIRED)
target_sources(${VDXML_AREA_TARGET} PRIVATE ${PROJECT_SOURCE_DIR}/tools/vdxml/plot_reader.cpp
                                            ${PROJECT_SOURCE_DIR}/tools/vdxml/cli.cpp
                                            ${PROJECT_SOURCE_DIR}/tools/vdxml/record_text.cpp
                                            ${PROJECT_SOURCE_DIR}/tools/vdxml/unreadable.cpp)
target_link_libraries(${VDXML_AREA_TARGET} PRIVATE nlohmann_json::nlohmann_json)
if(TARGET vdxml_tool)
    add_dependencies(${VDXML_AREA_TARGET} vdxml_tool)
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
                               VDXML_TOOL_PATH="$<TARGET_FILE:vdxml_tool>")
else()
    # Built without the tool (VDXML_BUILD_TOOLS=OFF): the tests that run it skip themselves.
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE VDXML_TOOL_PATH="")
endif()
