# Every target is built with -Wall -Wextra -Wpedantic. The program's own
# libraries and binaries link vexlor_warnings privately for stricter checks on
# top, and vexlor_plain_library declares a plain-C++ library (no Qt code
# generators, the stricter warnings).
add_compile_options(-Wall -Wextra -Wpedantic)
if(NOT TARGET vexlor_warnings)
    # No C-style casts (each says which conversion it means), no polymorphic
    # class without a virtual destructor, no overload that hides a virtual, no
    # name that hides another; no text turned into char*, or a QByteArray or
    # QUrl made from text, without saying how; and QString sums built in one
    # allocation. Tests and benchmarks link this one.
    add_library(vexlor_test_warnings INTERFACE)
    target_compile_options(vexlor_test_warnings INTERFACE -Wold-style-cast -Wnon-virtual-dtor
                                                          -Woverloaded-virtual -Wshadow)
    target_compile_definitions(vexlor_test_warnings INTERFACE
        QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
        QT_USE_QSTRINGBUILDER)
    # The program adds: no QString made from a char* without saying its
    # encoding. Tests keep Qt's UTF-8 reading of a literal, so that the texts
    # they expect read as the user sees them.
    add_library(vexlor_warnings INTERFACE)
    target_link_libraries(vexlor_warnings INTERFACE vexlor_test_warnings)
    target_compile_definitions(vexlor_warnings INTERFACE QT_NO_CAST_FROM_ASCII)
endif()

set(VEXLOR_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
function(vexlor_plain_library target)
    target_include_directories(${target} PUBLIC ${VEXLOR_SOURCE_ROOT})
    target_link_libraries(${target} PRIVATE vexlor_warnings)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
