# The size of the Windows deliverables (ostrel.dll, ostrelcfg.exe).
#
# Every function and datum gets its own section and the linker collects the
# sections nothing reaches. On x86_64 the linker's default script keeps every
# function's unwind record, and with it the function, so for code the
# collection is done by link-time optimisation: the project's libraries carry
# both the compiler's intermediate code and machine code
# (-ffat-lto-objects); the deliverables and the benchmark program link the
# intermediate code as one whole program, every other program (the tests)
# the machine code (-fno-lto: the compiler would otherwise optimise any link
# that meets intermediate code).
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-fno-lto)

# Optimised for size: the paint and the tick measure the same as at -O3
# (scripts/bench.sh, README), in two thirds of the code.
option(OSTREL_OPTIMIZE_FOR_SIZE "Compile the Windows build's Release with -Os instead of -O3" ON)
if(OSTREL_OPTIMIZE_FOR_SIZE)
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
endif()

set(OSTREL_RUNTIME_FAILURES ${CMAKE_CURRENT_LIST_DIR}/../platform/win32/runtime/runtime_failures.cpp)
set(OSTREL_LINK_TIME_OPTIONS -flto -ffat-lto-objects)

# Libraries whose intermediate code the whole-program links read.
function(ostrel_link_time_libraries)
  foreach(library ${ARGN})
    target_compile_options(${library} PRIVATE ${OSTREL_LINK_TIME_OPTIONS})
  endforeach()
endfunction()

# Link-time optimisation of target as one whole program, in one partition
# (GCC 12 stops with an internal error when it splits the settings program).
function(ostrel_whole_program target)
  target_compile_options(${target} PRIVATE ${OSTREL_LINK_TIME_OPTIONS})
  target_link_options(${target} PRIVATE -flto -flto-partition=none -Wl,--gc-sections)
endfunction()

# A deliverable: a whole program with the runtime's lean failure exits,
# a link map beside it (<target>.map, read by scripts/bench.sh for its size
# breakdown), and stripped in place after the link, so that the build tree's
# file is the file installed and tested; the unstripped one stays in the
# folder's debug/ for a debugger.
function(ostrel_lean_program target)
  ostrel_whole_program(${target})
  target_sources(${target} PRIVATE ${OSTREL_RUNTIME_FAILURES})
  get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
  target_link_options(${target} PRIVATE "-Wl,-Map=${folder}/${target}.map")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/debug
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${folder}/debug/
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()
