# Run by ctest as `cmake -P`: see consumer_tests.cmake for the variables it gets.
function(run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})

run("Installing into ${prefix}" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# What the package holds: headers, library, CMake package, pkg-config file, the format's
# schema, the tool.
foreach(file include/vdxml/vdxml.h include/vdxml/platform/bstr.h ${LIBDIR}/libvdxml.a
             ${LIBDIR}/cmake/vdxml/vdxmlConfig.cmake ${LIBDIR}/cmake/vdxml/vdxmlTargets.cmake
             ${LIBDIR}/pkgconfig/vdxml.pc share/vdxml/vdxml.xsd)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "The package lacks ${file}")
    endif()
endforeach()
if(WITH_TOOL)
    run("The installed tool" ${prefix}/${BINDIR}/vdxml --version)
    if(NOT run_output STREQUAL "vdxml ${VERSION}\n")
        message(FATAL_ERROR "The installed tool says '${run_output}'")
    endif()
endif()

# The pkg-config file points into the prefix it was installed to, wherever that is.
find_program(PKG_CONFIG pkg-config)
if(PKG_CONFIG)
    set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
    run("pkg-config" ${PKG_CONFIG} --cflags --libs vdxml)
    # The paths come relative to the .pc file's folder ("lib/pkgconfig/../../include"):
    # compare them once resolved.
    string(REGEX MATCH "-I([^ \n]*prefix[^ \n]*)" include_flag "${run_output}")
    get_filename_component(include_dir "${CMAKE_MATCH_1}" REALPATH)
    string(REGEX MATCH "-L([^ \n]*prefix[^ \n]*) -lvdxml" lib_flag "${run_output}")
    get_filename_component(lib_dir "${CMAKE_MATCH_1}" REALPATH)
    get_filename_component(real_prefix "${prefix}" REALPATH)
    if(NOT include_dir STREQUAL "${real_prefix}/include"
       OR NOT lib_dir STREQUAL "${real_prefix}/${LIBDIR}")
        message(FATAL_ERROR "pkg-config gives '${run_output}'")
    endif()
endif()

set(build ${WORK_DIR}/build)
run("Configuring the consumer" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
run("Building the consumer" ${CMAKE_COMMAND} --build ${build})
run("Running the consumer" ${build}/consumer ${WORK_DIR}/tiny.xml)
message(STATUS "${run_output}")
