include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS vdxml EXPORT vdxmlTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY include/vdxml DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT vdxmlTargets NAMESPACE vdxml:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxml)

configure_package_config_file(cmake/vdxmlConfig.cmake.in
    ${PROJECT_BINARY_DIR}/vdxmlConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxml)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vdxmlConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vdxmlConfig.cmake ${PROJECT_BINARY_DIR}/vdxmlConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/vdxml)

configure_file(cmake/vdxml.pc.in ${PROJECT_BINARY_DIR}/vdxml.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/vdxml.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

set(CPACK_PACKAGE_NAME vdxml)
set(CPACK_PACKAGE_CONTACT "vdxml maintainers <vdxml@localhost>")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libxml2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
