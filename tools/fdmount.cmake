# The floppy commands of the copy page, as harmless stand-ins in bin/ (tests
# put bin/ first on PATH). The program never installs them.
set(fd_scripts)
foreach(script fdmount fdumount)
  set(out ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${script})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${script} ${out}
    COMMAND chmod 755 ${out}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${script}
    VERBATIM)
  list(APPEND fd_scripts ${out})
endforeach()
add_custom_target(fdscripts ALL DEPENDS ${fd_scripts})
