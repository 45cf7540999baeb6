# The official LandXML 1.2 schema is not part of the project; the schema tests read it from
# the shared reference folder beside the project and skip themselves when it is not there.
target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
    VDXML_LANDXML_SCHEMA="${PROJECT_SOURCE_DIR}/../shared/reference/LandXML-1.2.xsd")
