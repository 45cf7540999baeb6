# The schema-validated stream is the engine's own, not part of the library's interface: a shared
# library keeps it to itself, so a shared build compiles a private copy of it (and of the engine
# and platform parts it stands on) into this test program.
get_target_property(vdxml_type vdxml TYPE)
if(vdxml_type STREQUAL "SHARED_LIBRARY")
    foreach(source schema_stream sax_callbacks error_capture file_input libxml_setup xml_parse)
        target_sources(${VDXML_AREA_TARGET} PRIVATE ${PROJECT_SOURCE_DIR}/engine/${source}.cpp)
    endforeach()
    target_sources(${VDXML_AREA_TARGET} PRIVATE ${PROJECT_SOURCE_DIR}/platform/files.cpp)
    target_link_libraries(${VDXML_AREA_TARGET} PRIVATE LibXml2::LibXml2)
endif()
