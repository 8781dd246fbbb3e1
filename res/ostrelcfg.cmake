# ostrelcfg.exe, the settings program: the portable settings-program code over
# the Win32 platform layer, its entry (WinMain) and its resources. Included by
# res/CMakeLists.txt; installed beside ostrel.dll by res/install.cmake.
add_executable(ostrelcfg WIN32
  ${CMAKE_SOURCE_DIR}/platform/win32/entry/ostrelcfg_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ostrelcfg.rc)
target_link_libraries(ostrelcfg PRIVATE ostrel_config ole32)
target_compile_definitions(ostrelcfg PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
# The icon and the manifest are found beside the script.
target_include_directories(ostrelcfg PRIVATE ${CMAKE_CURRENT_LIST_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/ostrelcfg.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_CURRENT_LIST_DIR}/ostrelcfg.ico;${CMAKE_CURRENT_LIST_DIR}/ostrelcfg.manifest")
# wWinMain; fully static, so that no mingw runtime DLLs are needed.
target_link_options(ostrelcfg PRIVATE -municode -static -static-libgcc -static-libstdc++)
