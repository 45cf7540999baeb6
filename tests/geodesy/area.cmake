# GeographicLib serves the geodesy tests as an independent oracle; the library itself does not
# use it. Without it the oracle tests report themselves skipped.
find_package(GeographicLib CONFIG QUIET)
if(TARGET GeographicLib::GeographicLib)
    target_link_libraries(${VDXML_AREA_TARGET} PRIVATE GeographicLib::GeographicLib)
    target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE VDXML_HAVE_GEOGRAPHICLIB=1)
else()
    find_path(VDXML_GEOGRAPHICLIB_INCLUDE_DIR GeographicLib/Geocentric.hpp)
    find_library(VDXML_GEOGRAPHICLIB_LIBRARY NAMES GeographicLib)
    if(VDXML_GEOGRAPHICLIB_INCLUDE_DIR AND VDXML_GEOGRAPHICLIB_LIBRARY)
        target_include_directories(${VDXML_AREA_TARGET} SYSTEM PRIVATE
                                   ${VDXML_GEOGRAPHICLIB_INCLUDE_DIR})
        target_link_libraries(${VDXML_AREA_TARGET} PRIVATE ${VDXML_GEOGRAPHICLIB_LIBRARY})
        target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE VDXML_HAVE_GEOGRAPHICLIB=1)
    else()
        message(STATUS "GeographicLib not found: the geodesy oracle tests will be skipped")
    endif()
endif()

