# System libraries of the Win32 platform layer (included by platform/CMakeLists.txt).
target_link_libraries(ostrel_platform PUBLIC advapi32 gdi32 user32 kernel32)
# Drawing: TransparentBlt (msimg32) and PNG decoding with WIC (windowscodecs, ole32).
target_link_libraries(ostrel_platform PUBLIC msimg32 windowscodecs ole32 uuid)
# Shell: ShellExecuteExW (shell32).
target_link_libraries(ostrel_platform PUBLIC shell32)
# Windows and controls: the common controls (comctl32).
target_link_libraries(ostrel_platform PUBLIC comctl32)
