# vexlor_gzip(TARGET FILE...): a target, built by default, that compresses
# each FILE (relative to the current source folder) into the current binary
# folder as FILE's name with .gz, the way Debian keeps manual pages and
# changelogs: gzip -9n, without the original name and time stamp, so that
# every build gives the same bytes. <TARGET>_FILES lists the compressed
# files.
include_guard(GLOBAL)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

function(vexlor_gzip target)
    set(outputs)
    foreach(file IN LISTS ARGN)
        cmake_path(GET file FILENAME name)
        set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
        add_custom_command(
            OUTPUT ${copy}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${copy}
            COMMAND ${GZIP_EXECUTABLE} -9nf ${copy}
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
            COMMENT "Compressing ${file}"
            VERBATIM)
        list(APPEND outputs ${copy}.gz)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
    set(${target}_FILES ${outputs} PARENT_SCOPE)
endfunction()
