# Every target is built with -Wall -Wextra -Wpedantic. The program's own
# libraries and binaries link vexlor_warnings privately for stricter checks on
# top, and vexlor_plain_library declares a plain-C++ library (no Qt code
# generators, the stricter warnings).
add_compile_options(-Wall -Wextra -Wpedantic)
if(NOT TARGET vexlor_warnings)
    add_library(vexlor_warnings INTERFACE)
endif()

set(VEXLOR_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
function(vexlor_plain_library target)
    target_include_directories(${target} PUBLIC ${VEXLOR_SOURCE_ROOT})
    target_link_libraries(${target} PRIVATE vexlor_warnings)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
