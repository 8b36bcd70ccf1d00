# Project-wide compile settings, applied through zqs_target_defaults().

set(ZQS_WARNINGS -Wall -Wextra -Wpedantic -Wno-unused-parameter)
# GCC 12 reports a memcpy of 2^63 bytes that "may overlap" inside libstdc++'s std::string when an
# optimised build inlines the assignment of a short literal or a literal + string (GCC bugzilla
# 105329). The alarm is false and comes from the library's own code, so the warning is off for
# that compiler only; every other compiler keeps it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND ZQS_WARNINGS -Wno-restrict)
endif()
if(ZQS_WERROR)
    list(APPEND ZQS_WARNINGS -Werror)
endif()

if(ZQS_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(ZQS_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ZQS_FUZZ needs clang (CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
endif()

function(zqs_target_defaults target)
    target_compile_options(${target} PRIVATE ${ZQS_WARNINGS})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# zqs_library(NAME SOURCES... [LIBS ...]): a static library of one layer.
function(zqs_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    zqs_target_defaults(${name})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

include(ZqsBuildSpeed)
