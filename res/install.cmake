# The installed item folder: the library, the Today shell stand-in (its own
# rule), the settings program once it is built, the state images, the two
# shortcuts and "ostrel.reg", which registers the item for this folder.
install(TARGETS ostrel RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/images/ DESTINATION . FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/shortcuts/battery.lnk
              ${CMAKE_CURRENT_SOURCE_DIR}/shortcuts/memory.lnk DESTINATION .)
install(CODE "include(\"${CMAKE_CURRENT_SOURCE_DIR}/today_item_reg.cmake\")
ostrel_write_today_item_reg(\"\${CMAKE_INSTALL_PREFIX}\")")

# The settings program is defined elsewhere, maybe after this folder: the
# rule is added once every target is known, and only when it exists.
function(ostrel_install_settings_program)
  if(TARGET ostrelcfg)
    install(TARGETS ostrelcfg RUNTIME DESTINATION .)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ostrel_install_settings_program)
