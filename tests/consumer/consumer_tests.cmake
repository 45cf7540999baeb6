# consumer.installed_package: installs this build into a scratch prefix and a build of the
# other library kind (static or shared, configured alike) into a second one, checks what each
# package holds and, for the shared library, what it exports; then configures, builds and runs
# tests/consumer against each, through the CMake package and through pkg-config. A library
# built with sanitizers hands their link options on through its exported target and its
# pkg-config file, so the consumer links in the same runtime.
include(GNUInstallDirs)
add_test(NAME consumer.installed_package
         COMMAND ${CMAKE_COMMAND}
                 -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DPROJECT_DIR=${PROJECT_SOURCE_DIR}
                 -DSOURCE_DIR=${CMAKE_CURRENT_LIST_DIR}
                 -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/consumer-package
                 -DOTHER_BUILD_DIR=${CMAKE_CURRENT_BINARY_DIR}/consumer-other-kind
                 -DKIND=$<IF:$<STREQUAL:$<TARGET_PROPERTY:vdxml,TYPE>,SHARED_LIBRARY>,shared,static>
                 -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
                 -DBINDIR=${CMAKE_INSTALL_BINDIR}
                 -DVERSION=${PROJECT_VERSION}
                 -DSOVERSION=${PROJECT_VERSION_MAJOR}
                 -DWITH_TOOL=$<TARGET_EXISTS:vdxml_tool>
                 -DSANITIZE=${VDXML_SANITIZE}
                 -DTSAN=${VDXML_TSAN}
                 -DCXX_COMPILER=${CMAKE_CXX_COMPILER}
                 -DNM=${CMAKE_NM}
                 -DBUILD_TYPE=${CMAKE_BUILD_TYPE}
                 -P ${CMAKE_CURRENT_LIST_DIR}/run_consumer.cmake)
set_tests_properties(consumer.installed_package PROPERTIES TIMEOUT 1500)
