# Run by CPack on the staged files before it packs them: the program and its windows' library are
# stripped of their symbols and of the sections only the build needs, and the manual pages and the changelog are
# compressed as Debian's tools compress them (best compression, no name or time stamp).
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
set(programs ${staged})
list(FILTER programs INCLUDE REGEX "/bin/[^/]+$|/hourlyrates/[^/]+\\.so$")
foreach(program ${programs})
    execute_process(COMMAND strip --strip-unneeded --remove-section=.comment --remove-section=.note ${program}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(texts ${staged})
list(FILTER texts INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$|/doc/[^/]+/changelog$")
foreach(text ${texts})
    execute_process(COMMAND gzip -9nf ${text} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
