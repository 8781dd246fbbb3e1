# The installed item folder: the library, the state images, the two shortcuts
# and "ostrel.reg", which registers the item for this folder. The settings
# program and the Today shell stand-in install themselves into the same folder.
install(TARGETS ostrel RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/images/ DESTINATION . FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_SOURCE_DIR}/res/shortcuts/battery.lnk
              ${CMAKE_SOURCE_DIR}/res/shortcuts/memory.lnk DESTINATION .)
install(CODE "include(\"${CMAKE_CURRENT_SOURCE_DIR}/today_item_reg.cmake\")
ostrel_write_today_item_reg(\"\${CMAKE_INSTALL_PREFIX}\")")
