# The command tests run the built program (its path below).
if(TARGET vdxml_tool)
    add_dependencies(${VDXML_AREA_TARGET} vdxml_tool)
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
                               VDXML_TOOL_PATH="$<TARGET_FILE:vdxml_tool>")
else()
    # Built without the tool (VDXML_BUILD_TOOLS=OFF): the tests that run it skip themselves.
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE VDXML_TOOL_PATH="")
endif()
