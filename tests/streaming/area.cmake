# The streamed parse is compared with Parse by the fuzzing harness's own differential check,
# on the test data and on the fuzzing corpus.
target_link_libraries(${VDXML_AREA_TARGET} PRIVATE vdxml_fuzz_support)
target_compile_definitions(${VDXML_AREA_TARGET} PRIVATE
                           VDXML_FUZZ_CORPUS="${PROJECT_SOURCE_DIR}/fuzz/corpus/files")
