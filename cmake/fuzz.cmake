# libFuzzer targets: tests/fuzz/NAME_fuzz.cpp, with a seed corpus in tests/fuzz/corpus/NAME.
file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(f ${fuzz_sources})
  get_filename_component(fname ${f} NAME_WE)
  add_executable(${fname} ${f})
  target_link_libraries(${fname} PRIVATE krvl_core)
  target_link_options(${fname} PRIVATE -fsanitize=fuzzer)
endforeach()
