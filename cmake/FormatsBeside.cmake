# The structure definitions that ship with the programs: formats/*.ksy,
# copied into a `formats` folder beside a program, where it looks for them.
file(GLOB NIBBLOR_FORMAT_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/formats/*.ksy)

# For a program built in the calling folder's build directory.
function(nibblor_formats_beside target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/formats)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/formats.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${NIBBLOR_FORMAT_FILES} ${folder}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${NIBBLOR_FORMAT_FILES}
    COMMENT "Definitions beside ${target}")
  add_custom_target(${target}_formats DEPENDS ${stamp})
  add_dependencies(${target} ${target}_formats)
endfunction()
