# install_gzipped(TARGET DESTINATION FILE...): compresses each file (gzip -9n, reproducible) into
# the current build folder at build time and installs FILE.gz to DESTINATION, as Debian keeps
# manual pages and changelogs.
find_program(GZIP gzip REQUIRED)
function(install_gzipped target destination)
  set(outputs)
  foreach(file ${ARGN})
    get_filename_component(name ${file} NAME)
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${gz}
                       COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${gz}
                       DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
                       COMMENT "Compressing ${name}")
    list(APPEND outputs ${gz})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  install(FILES ${outputs} DESTINATION ${destination})
endfunction()
