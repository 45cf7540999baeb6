# The format's schema, schema/vdxml.xsd: compiled into the library as text (the validator needs
# no file at run time, installed or not) and installed to share/vdxml for other tools.
include(GNUInstallDirs)

set(VDXML_SCHEMA_FILE ${PROJECT_SOURCE_DIR}/schema/vdxml.xsd)
set(VDXML_SCHEMA_SOURCE ${PROJECT_BINARY_DIR}/generated/schema_text.cpp)
add_custom_command(OUTPUT ${VDXML_SCHEMA_SOURCE}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${VDXML_SCHEMA_FILE} -DOUTPUT=${VDXML_SCHEMA_SOURCE}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedSchema.cmake
    DEPENDS ${VDXML_SCHEMA_FILE} ${PROJECT_SOURCE_DIR}/cmake/EmbedSchema.cmake
    COMMENT "Compiling schema/vdxml.xsd into the library"
    VERBATIM)
target_sources(vdxml PRIVATE ${VDXML_SCHEMA_SOURCE})

install(FILES ${VDXML_SCHEMA_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/vdxml)
