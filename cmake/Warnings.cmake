# Every target is built with -Wall -Wextra -Wpedantic. The program's own
# libraries and binaries link vexlor_warnings privately for stricter checks on
# top, and vexlor_plain_library declares a plain-C++ library (no Qt code
# generators, the stricter warnings).
add_compile_options(-Wall -Wextra -Wpedantic)
if(NOT TARGET vexlor_warnings)
    add_library(vexlor_warnings INTERFACE)
    # No C-style casts (each says which conversion it means), no polymorphic
    # class without a virtual destructor, no overload that hides a virtual;
    # and no QString made from a char* without saying its encoding.
    target_compile_options(vexlor_warnings INTERFACE -Wold-style-cast -Wnon-virtual-dtor
                                                     -Woverloaded-virtual)
    target_compile_definitions(vexlor_warnings INTERFACE QT_NO_CAST_FROM_ASCII)
endif()

set(VEXLOR_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
function(vexlor_plain_library target)
    target_include_directories(${target} PUBLIC ${VEXLOR_SOURCE_ROOT})
    target_link_libraries(${target} PRIVATE vexlor_warnings)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
