# consumer.installed_package: installs this build into a scratch prefix, checks what the
# package holds, then configures, builds and runs tests/consumer against it. A library built
# with sanitizers hands their link options on through its exported target, so the consumer
# links in the same runtime.
include(GNUInstallDirs)
add_test(NAME consumer.installed_package
         COMMAND ${CMAKE_COMMAND}
                 -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DSOURCE_DIR=${CMAKE_CURRENT_LIST_DIR}
                 -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/consumer-package
                 -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
                 -DBINDIR=${CMAKE_INSTALL_BINDIR}
                 -DVERSION=${PROJECT_VERSION}
                 -DWITH_TOOL=$<TARGET_EXISTS:vdxml_tool>
                 -DCXX_COMPILER=${CMAKE_CXX_COMPILER}
                 -DBUILD_TYPE=${CMAKE_BUILD_TYPE}
                 -P ${CMAKE_CURRENT_LIST_DIR}/run_consumer.cmake)
set_tests_properties(consumer.installed_package PROPERTIES TIMEOUT 900)
