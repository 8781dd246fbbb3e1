# ostrel_win_bench.exe: the item and the settings program on the real Win32
# layer in one process, run under Wine by scripts/bench.sh. The settings
# program's resources are linked in (its soft-key bar is built from them), and
# the state images lie beside the program, where the item looks for them.
add_executable(ostrel_win_bench
  ${CMAKE_CURRENT_LIST_DIR}/win_bench_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_bench_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_call_timing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_item_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_launcher_bench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_memory_bench.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/bench_routes.cpp
  ${CMAKE_SOURCE_DIR}/programs/ostrelcfg/ostrelcfg.rc)
target_link_libraries(ostrel_win_bench PRIVATE ostrel_plugin ostrel_config ole32 comctl32 psapi)
target_compile_definitions(ostrel_win_bench PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_include_directories(ostrel_win_bench PRIVATE ${CMAKE_SOURCE_DIR}/programs/ostrelcfg)
target_link_options(ostrel_win_bench PRIVATE -static -municode)
# Linked as the deliverables are, so that it measures their code.
ostrel_whole_program(ostrel_win_bench)
file(GLOB OSTREL_BENCH_STATE_IMAGES ${CMAKE_SOURCE_DIR}/res/images/*.png)
file(COPY ${OSTREL_BENCH_STATE_IMAGES} DESTINATION ${CMAKE_CURRENT_BINARY_DIR})

# A smoke run in the Windows tests' prefix: every section once, on a launcher
# list of ten entries; no error line and no drawing object gained.
add_test(NAME bench.win.smoke COMMAND ostrel_win_bench --quick --memory 5 --item --balance 20 --launcher 10)
set_tests_properties(bench.win.smoke PROPERTIES FIXTURES_REQUIRED wine.prefix TIMEOUT 240 LABELS wine
  FAIL_REGULAR_EXPRESSION "error\\.|objects_delta -?[1-9]")
