# Fails when the program given as PROGRAM needs a Qt library at run time. The command-line
# rescue starts in a fraction of the time without Qt's libraries, and runs where none is
# installed.
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${PROGRAM}
    RESOLVED_DEPENDENCIES_VAR needed
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
list(APPEND needed ${unresolved})
list(LENGTH needed count)
if(count EQUAL 0)
    message(FATAL_ERROR "found no libraries that ${PROGRAM} needs; the look itself failed")
endif()
foreach(library IN LISTS needed)
    if(library MATCHES "libQt")
        message(FATAL_ERROR "${PROGRAM} needs ${library}")
    endif()
endforeach()
message(STATUS "${PROGRAM} needs: ${needed}")
