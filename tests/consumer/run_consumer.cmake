# Run by ctest as `cmake -P`: see consumer_tests.cmake for the variables it gets.
cmake_minimum_required(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/check_symbols.cmake)

function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

# What a package of one kind holds (the format's schema too), what its shared library exports,
# and the consumer built against it both ways.
function(check_package prefix kind)
    set(work ${WORK_DIR}/${kind})
    if(kind STREQUAL "shared")
        set(library ${LIBDIR}/libvdxml.so.${VERSION} ${LIBDIR}/libvdxml.so.${SOVERSION}
                    ${LIBDIR}/libvdxml.so)
    else()
        set(library ${LIBDIR}/libvdxml.a)
    endif()
    foreach(file include/vdxml/vdxml.h include/vdxml/export.h include/vdxml/platform/bstr.h
                 ${library} ${LIBDIR}/cmake/vdxml/vdxmlConfig.cmake
                 ${LIBDIR}/cmake/vdxml/vdxmlTargets.cmake ${LIBDIR}/pkgconfig/vdxml.pc
                 share/vdxml/vdxml.xsd)
        if(NOT EXISTS ${prefix}/${file})
            message(FATAL_ERROR "The ${kind} package lacks ${file}")
        endif()
    endforeach()
    # The library's own headers stay in the source tree.
    file(GLOB_RECURSE installed RELATIVE ${prefix}/include ${prefix}/include/*)
    foreach(private vdxml/engine/sax.h vdxml/engine/factory.h vdxml/engine/testing.h
                    vdxml/platform/codepage.h vdxml/platform/files.h)
        if(private IN_LIST installed)
            message(FATAL_ERROR "The ${kind} package installs the private header ${private}")
        endif()
    endforeach()
    if(kind STREQUAL "shared")
        run("Reading the shared library's name" ${OBJDUMP} -p ${prefix}/${LIBDIR}/libvdxml.so)
        if(NOT run_output MATCHES "SONAME +libvdxml\\.so\\.${SOVERSION}\n")
            message(FATAL_ERROR "libvdxml.so does not carry the name libvdxml.so.${SOVERSION}")
        endif()
        check_exported_symbols(${prefix}/${LIBDIR}/libvdxml.so.${VERSION} ${prefix}/include ${NM})
    endif()
    if(WITH_TOOL)  # from wherever the prefix lies: a shared build's tool finds its library
        run("The installed tool" ${prefix}/${BINDIR}/vdxml --version)
        if(NOT run_output STREQUAL "vdxml ${VERSION}\n")
            message(FATAL_ERROR "The installed tool says '${run_output}'")
        endif()
    endif()

    # Through the CMake package.
    run("Configuring the consumer (${kind})" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${work}/build
        -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
        -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
    run("Building the consumer (${kind})" ${CMAKE_COMMAND} --build ${work}/build)
    run("Running the consumer (${kind})" ${work}/build/consumer ${work}/tiny.xml)
    message(STATUS "${kind}, CMake package: ${run_output}")

    # Through pkg-config, whose paths point into the prefix wherever it lies.
    find_program(PKG_CONFIG pkg-config)
    if(NOT PKG_CONFIG)
        return()
    endif()
    set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
    run("pkg-config (${kind})" ${PKG_CONFIG} --cflags --libs vdxml)
    string(STRIP "${run_output}" flags)
    # The paths come relative to the .pc file's folder ("lib/pkgconfig/../../include"):
    # compare them once resolved.
    string(REGEX MATCH "-I([^ ]*prefix[^ ]*)" include_flag "${flags}")
    get_filename_component(include_dir "${CMAKE_MATCH_1}" REALPATH)
    string(REGEX MATCH "-L([^ ]*prefix[^ ]*) -lvdxml" lib_flag "${flags}")
    get_filename_component(lib_dir "${CMAKE_MATCH_1}" REALPATH)
    get_filename_component(real_prefix "${prefix}" REALPATH)
    if(NOT include_dir STREQUAL "${real_prefix}/include"
       OR NOT lib_dir STREQUAL "${real_prefix}/${LIBDIR}")
        message(FATAL_ERROR "pkg-config gives '${flags}'")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    run("Building the consumer with pkg-config (${kind})" ${CXX_COMPILER} -std=c++17
        ${SOURCE_DIR}/main.cpp ${flags} -o ${work}/consumer-pc)
    run("Running the consumer built with pkg-config (${kind})" ${CMAKE_COMMAND} -E env
        LD_LIBRARY_PATH=${prefix}/${LIBDIR} ${work}/consumer-pc ${work}/tiny-pc.xml)
    message(STATUS "${kind}, pkg-config: ${run_output}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
find_program(OBJDUMP objdump REQUIRED)

# This build's package.
set(prefix_${KIND} ${WORK_DIR}/prefix-${KIND})
run("Installing into ${prefix_${KIND}}" ${CMAKE_COMMAND} --install ${BUILD_DIR}
    --prefix ${prefix_${KIND}})

# The other kind, built from the same sources with the same options, in a tree of its own
# that is kept between runs.
if(KIND STREQUAL "shared")
    set(other static)
    set(other_shared OFF)
else()
    set(other shared)
    set(other_shared ON)
endif()
set(prefix_${other} ${WORK_DIR}/prefix-${other})
run("Configuring the ${other} library" ${CMAKE_COMMAND} -S ${PROJECT_DIR} -B ${OTHER_BUILD_DIR}
    -DBUILD_SHARED_LIBS=${other_shared} -DVDXML_BUILD_TESTS=OFF -DVDXML_BUILD_TOOLS=${WITH_TOOL}
    -DVDXML_SANITIZE=${SANITIZE} -DVDXML_TSAN=${TSAN} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
run("Building the ${other} library" ${CMAKE_COMMAND} --build ${OTHER_BUILD_DIR} --parallel 2)
run("Installing into ${prefix_${other}}" ${CMAKE_COMMAND} --install ${OTHER_BUILD_DIR}
    --prefix ${prefix_${other}})

check_package(${prefix_static} static)
check_package(${prefix_shared} shared)
