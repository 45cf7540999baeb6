include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS vdxml EXPORT vdxmlTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY include/vdxml DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vdxmlTargets NAMESPACE vdxml:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxml)

# A static library passes libxml2 on to whatever links it; a shared one keeps it to itself.
get_target_property(VDXML_LIBRARY_TYPE vdxml TYPE)
if(VDXML_LIBRARY_TYPE STREQUAL "SHARED_LIBRARY")
    set(VDXML_PASSES_ON_LIBXML2 OFF)
    set(VDXML_PC_REQUIRES "Requires.private: libxml-2.0")
else()
    set(VDXML_PASSES_ON_LIBXML2 ON)
    set(VDXML_PC_REQUIRES "Requires: libxml-2.0")
endif()

configure_package_config_file(cmake/vdxmlConfig.cmake.in
    ${PROJECT_BINARY_DIR}/vdxmlConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxml)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vdxmlConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vdxmlConfig.cmake ${PROJECT_BINARY_DIR}/vdxmlConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxml)

# The pkg-config file finds the prefix from its own place, so the package can be installed
# anywhere (cmake --install --prefix, DESTDIR, a Debian package).
file(RELATIVE_PATH VDXML_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
# A library built with sanitizers needs their runtime in every program that links it.
set(VDXML_PC_LINK_FLAGS "")
if(VDXML_SANITIZE)
    set(VDXML_PC_LINK_FLAGS "-fsanitize=address,undefined")
elseif(VDXML_TSAN)
    set(VDXML_PC_LINK_FLAGS "-fsanitize=thread")
endif()
configure_file(cmake/vdxml.pc.in ${PROJECT_BINARY_DIR}/vdxml.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vdxml.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME vdxml)
set(CPACK_PACKAGE_CONTACT "vdxml maintainers <vdxml@localhost>")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libxml2")
# The Python module (installed by bindings/python) needs the interpreter it was built for.
if(VDXML_PYTHON)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR})")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A shared build ships libvdxml.so with its symbolic links and the tool that uses it; the
# package then declares the library for dpkg (shlibs) and has ldconfig run on installation.
if(VDXML_LIBRARY_TYPE STREQUAL "SHARED_LIBRARY")
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
endif()
include(CPack)
