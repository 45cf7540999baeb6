# What a shared library exports, against what its installed headers promise: every dynamic
# symbol belongs to a name the headers mark with VDXML_API (a class with its members, type
# information and virtual tables, a function, a constant), to a public namespace, to the
# standard library's templates instantiated for public types, or to the testing surface of
# engine/testing.h, which must be there and no more. A name of an internal namespace
# (vdxml_core::, vdxml_engine::, ...) or of a class the headers do not mark fails the check.
#
# check_exported_symbols(LIBRARY INCLUDE_DIR NM) fails the script with the offending symbols.
function(check_exported_symbols library include_dir nm)
    # The public names: what VDXML_API marks, and the namespaces the headers open.
    file(GLOB_RECURSE headers ${include_dir}/vdxml/*.h)
    set(public VdXmlTestingSetProgIdAvailable VdXmlTestingResetProgIds)
    foreach(header ${headers})
        file(READ ${header} text)
        string(REGEX MATCHALL "(class|struct) VDXML_API [A-Za-z_0-9]+" classes "${text}")
        string(REGEX MATCHALL "VDXML_API [^;{(]*[ *&](operator.|[A-Za-z_0-9]+)[(;]" others "${text}")
        string(REGEX MATCHALL "\nnamespace [A-Za-z_0-9]+ {" namespaces "${text}")
        foreach(match ${classes} ${others} ${namespaces})
            string(REGEX REPLACE "[(; {]+$" "" match "${match}")
            string(REGEX MATCH "(operator.|[A-Za-z_0-9]+)$" name "${match}")
            if(NOT name MATCHES "^vdxml_")  # an internal namespace a header happens to open
                list(APPEND public ${name})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES public)

    execute_process(COMMAND ${nm} -D --defined-only -C ${library}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE listing ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${nm} ${library} failed (${rc}): ${err}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    set(offending "")
    set(testing 0)
    set(saw_document_save OFF)
    foreach(line ${lines})
        # "address type name": the name after the symbol type, without what names its role.
        string(REGEX REPLACE "^[0-9a-fA-F]* *[A-Za-z] " "" symbol "${line}")
        # AddressSanitizer gives each exported global a companion "__odr_asan.<name>"; the
        # global is checked on its own line.
        if(symbol STREQUAL "" OR symbol MATCHES "^(_(init|fini|edata|end|_bss_start)$|__odr_asan)")
            continue()
        endif()
        string(REGEX REPLACE "^((typeinfo name|typeinfo|vtable|VTT|construction vtable|guard variable|non-virtual thunk to|virtual thunk to|covariant return thunk to) for |(non-virtual|virtual) thunk to )" "" owner "${symbol}")
        if(symbol MATCHES "vdxml_[A-Za-z_0-9]*::|anonymous namespace")
            list(APPEND offending "${symbol}")
            continue()
        endif()
        # A function template's name comes after its return type: the last word before the
        # first parenthesis or angle bracket names the owner.
        string(REGEX MATCH "^[^(<]*" owner "${owner}")
        string(REGEX REPLACE "^.* " "" owner "${owner}")
        if(owner MATCHES "^(std|__gnu_cxx)::")
            continue()
        endif()
        string(REGEX MATCH "^(operator.|[A-Za-z_][A-Za-z_0-9]*)" name "${owner}")
        if(NOT name IN_LIST public)
            list(APPEND offending "${symbol}")
        endif()
        if(name MATCHES "^VdXmlTesting")
            math(EXPR testing "${testing} + 1")
        endif()
        if(symbol STREQUAL "CVdXmlDocument::Save()")
            set(saw_document_save ON)
        endif()
    endforeach()
    if(offending)
        list(JOIN offending "\n  " shown)
        message(FATAL_ERROR "${library} exports what its headers do not offer:\n  ${shown}")
    endif()
    if(NOT testing EQUAL 2 OR NOT saw_document_save)
        message(FATAL_ERROR "${library} lacks its public interface or its testing surface "
                            "(${testing} testing symbols):\n${listing}")
    endif()
endfunction()
