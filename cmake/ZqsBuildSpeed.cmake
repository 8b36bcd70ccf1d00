# What makes a build cheaper without changing what it proves: precompiled standard, Qt and GoogleTest
# headers, lld, and a compiler cache (docs/developing.md, "Build speed", has what each saved).

option(ZQS_PCH "Precompile the standard, Qt and GoogleTest headers" ON)
option(ZQS_LLD "Link unoptimised builds with lld when the compiler can" ON)
option(ZQS_CCACHE "Compile through ccache when it is installed" ON)

if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(ZQS_OPTIMISED ON)
else()
    set(ZQS_OPTIMISED OFF)
endif()

# ccache: a build folder's second build, or another build of the same sources and flags at the same
# path, takes its objects from the cache. The precompiled headers need the sloppiness settings below
# (the cache refuses a compilation that uses one otherwise). Depend mode takes the included files from
# the compiler's dependency file instead of running the preprocessor once more, and the inode cache
# hashes a precompiled header (up to 240 MB) once instead of at every compilation that uses it: with
# both, compiling into an empty cache costs no measurable time. The cache is ccache's own folder
# (~/.cache/ccache unless CCACHE_DIR says otherwise), so it survives from one run to the next.
if(ZQS_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(ZQS_CCACHE_PROGRAM ccache)
    find_program(ZQS_ENV_PROGRAM env)
    if(ZQS_CCACHE_PROGRAM AND ZQS_ENV_PROGRAM)
        set(ZQS_CCACHE_LAUNCHER
            ${ZQS_ENV_PROGRAM}
            CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
            CCACHE_DEPEND=true CCACHE_INODECACHE=true
            ${ZQS_CCACHE_PROGRAM})
        set(CMAKE_C_COMPILER_LAUNCHER ${ZQS_CCACHE_LAUNCHER})
        set(CMAKE_CXX_COMPILER_LAUNCHER ${ZQS_CCACHE_LAUNCHER})
    endif()
endif()

# lld links a sanitizer build's test executable in less than half the time of the default linker.
# Optimised builds keep the system's default linker: the program is proven to link as it ships.
if(ZQS_LLD AND NOT ZQS_OPTIMISED)
    include(CheckLinkerFlag)
    check_linker_flag(CXX -fuse-ld=lld ZQS_HAVE_LLD)
    if(ZQS_HAVE_LLD)
        add_link_options(-fuse-ld=lld)
    endif()
endif()

# Precompiled headers. A few holder targets each compile one header set once per build folder, and
# every other target reuses a holder's (REUSE_FROM) instead of compiling its own. Which holder a
# target takes follows from what it links, so a new library or test executable gets one without a
# line of its own:
#   links                          holder                 holds
#   GoogleTest and Qt Widgets      zqs_pch_gtest_widgets  standard, GoogleTest, Qt Widgets headers
#   GoogleTest and Qt Core         zqs_pch_gtest_core     standard, GoogleTest, Qt Core headers
#   Qt Widgets itself              zqs_pch_widgets        standard, Qt Widgets headers (src/ui, src/app)
#   Qt (through a library)         zqs_pch_std            standard headers only
#   no Qt                          none (such targets are built without -fPIC, which a header
#                                  precompiled for the others would not match)
# and a library or test that links the catalogue's column names (zqs_catalogue_columns: the dialogs,
# their kit, the menu and their tests) takes its holder's "_columns" twin, which holds
# CatalogueColumns.h too.
# CatalogueColumns.h, generated, holds every catalogue table's column names (6,500 lines): each
# dialog unit and dialog test includes it, and reading it took 0.6 s of each of their compilations.
# Our other headers stay out, so a file that forgets one of ours fails. A standard or Qt header it
# forgets fails only a build with ZQS_PCH=OFF, and the widget-free build (which takes none): the
# value core and the catalogue.
# A precompiled header is only used when the compilation matches the one that made it (flags, and
# the macros it saw); the compiler is told to warn when it does not (-Winvalid-pch), which warnings
# as errors make a build failure, so a holder that stops fitting cannot go unnoticed.
# A target opts out with set_target_properties(NAME PROPERTIES ZQS_NO_PCH ON).
# Optimised builds take them too, which halves their time, with one catch: GCC 12 does not keep a
# header's "#pragma GCC diagnostic" in a precompiled header, so libstdc++'s own suppression of
# -Wstringop-overflow, -Wstringop-overread and -Warray-bounds inside std::char_traits (all of
# bits/char_traits.h) is lost there, and the optimiser's false alarm about a copy inside std::string
# is reported for a few units. Losing a suppression can only add warnings: what a normal compilation
# reports, this one reports too. The units listed in ZQS_PCH_OPTIMISED_SKIP compile without the
# precompiled header in optimised builds, so that warnings as errors judge them as a normal
# compilation does; a unit whose optimised build stops on such a warning located in
# bits/char_traits.h joins the list.
set(ZQS_PCH_OPTIMISED_SKIP
    src/forms/layer2/VlanGlobalSettingsForm.cpp
    src/forms/netapp/DHCPRelayVLANControlUnit.cpp
    src/forms/system/CurrentTimeFormUnit.cpp
    src/forms/system/TimeRangeFormUnit.cpp
    src/shell/TEditsPanel.cpp
    src/snmp/bind/VqSNMPRequest2Edits.cpp
    src/snmp/core/OctetParts.cpp
    src/snmp/core/RowInstances.cpp)
set(ZQS_PCH_STD_HEADERS
    <algorithm> <array> <chrono> <cstdint> <cstdio> <cstring> <deque> <exception> <functional>
    <initializer_list> <map> <memory> <optional> <set> <span> <stdexcept> <string> <string_view>
    <utility> <vector>)
set(ZQS_PCH_TEST_HEADERS <filesystem> <fstream> <sstream> <gtest/gtest.h>)
set(ZQS_PCH_COLUMNS_HEADERS <CatalogueColumns.h>)
set(ZQS_PCH_QT_CORE_HEADERS <QDir> <QFile> <QString> <QTemporaryDir>)
set(ZQS_PCH_QT_WIDGETS_HEADERS
    <QApplication> <QComboBox> <QImage> <QKeyEvent> <QLabel> <QMouseEvent> <QPainter> <QPushButton>
    <QTabWidget> <QTimer> <QWidget>)

# Adds to VAR the targets and libraries TARGET links, through the targets those link.
function(_zqs_link_closure target var)
    set(seen ${${var}})
    set(todo ${target})
    while(todo)
        list(POP_FRONT todo item)
        if(NOT TARGET ${item})
            continue()
        endif()
        get_target_property(aliased ${item} ALIASED_TARGET)
        if(aliased)
            set(item ${aliased})
        endif()
        get_target_property(type ${item} TYPE)
        set(links)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(imported ${item} IMPORTED)
            if(NOT imported)
                get_target_property(own ${item} LINK_LIBRARIES)
                if(own)
                    list(APPEND links ${own})
                endif()
            endif()
        endif()
        get_target_property(interface ${item} INTERFACE_LINK_LIBRARIES)
        if(interface)
            list(APPEND links ${interface})
        endif()
        foreach(link IN LISTS links)
            # A static library's private links are recorded as $<LINK_ONLY:name>.
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(link MATCHES "^\\$<" OR link IN_LIST seen)
                continue()
            endif()
            list(APPEND seen ${link})
            list(APPEND todo ${link})
        endforeach()
    endwhile()
    set(${var} ${seen} PARENT_SCOPE)
endfunction()

# _zqs_pch_holder(NAME QT GTEST COLUMNS): the holder NAME, made on first use. QT says which Qt headers
# it holds (none, core or widgets); GTEST and COLUMNS whether it holds GoogleTest's and the column
# names'. It links what its consumers link, so that it is compiled with the flags and macros they have.
function(_zqs_pch_holder name qt gtest columns)
    if(TARGET ${name})
        return()
    endif()
    set(source ${CMAKE_BINARY_DIR}/zqs_pch/${name}.cpp)
    # Written only when it changes, so that a new configure does not rebuild it.
    file(CONFIGURE OUTPUT ${source} CONTENT "// Holds the precompiled headers other targets reuse.\n")
    add_library(${name} OBJECT ${source})
    set(headers ${ZQS_PCH_STD_HEADERS})
    if(qt STREQUAL "widgets")
        target_link_libraries(${name} PRIVATE Qt6::Widgets)
        list(APPEND headers ${ZQS_PCH_QT_CORE_HEADERS} ${ZQS_PCH_QT_WIDGETS_HEADERS})
    else()
        target_link_libraries(${name} PRIVATE Qt6::Core)
        if(qt STREQUAL "core")
            list(APPEND headers ${ZQS_PCH_QT_CORE_HEADERS})
        endif()
    endif()
    if(gtest)
        # The tests find GoogleTest in their own folder; its targets are not seen from here.
        find_package(GTest REQUIRED)
        target_link_libraries(${name} PRIVATE GTest::gtest)
        list(APPEND headers ${ZQS_PCH_TEST_HEADERS})
    endif()
    if(columns)
        target_link_libraries(${name} PRIVATE zqs_catalogue_columns)
        list(APPEND headers ${ZQS_PCH_COLUMNS_HEADERS})
    endif()
    target_compile_options(${name} PRIVATE ${ZQS_WARNINGS})
    target_precompile_headers(${name} PRIVATE ${headers})
endfunction()

function(_zqs_pch_targets dir var)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        _zqs_pch_targets(${sub} more)
        list(APPEND targets ${more})
    endforeach()
    set(${var} ${targets} PARENT_SCOPE)
endfunction()

function(_zqs_apply_pch)
    _zqs_pch_targets(${CMAKE_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        get_target_property(opted_out ${target} ZQS_NO_PCH)
        if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|EXECUTABLE)$"
           OR opted_out OR target MATCHES "^zqs_pch_")
            continue()
        endif()
        get_target_property(own_pch ${target} PRECOMPILE_HEADERS)
        get_target_property(reused ${target} PRECOMPILE_HEADERS_REUSE_FROM)
        if(own_pch OR reused)
            continue()
        endif()
        set(closure)
        _zqs_link_closure(${target} closure)
        set(qt OFF)
        set(widgets OFF)
        set(gtest OFF)
        set(columns OFF)
        foreach(link IN LISTS closure)
            if(link MATCHES "^Qt6::")
                set(qt ON)
            endif()
            if(link STREQUAL "Qt6::Widgets")
                set(widgets ON)
            endif()
            if(link MATCHES "^GTest::")
                set(gtest ON)
            endif()
            if(link STREQUAL "zqs_catalogue_columns")
                set(columns ON)
            endif()
        endforeach()
        if(NOT qt)
            continue()
        endif()
        get_target_property(direct ${target} LINK_LIBRARIES)
        if(gtest AND widgets)
            set(qt widgets)
        elseif(gtest)
            set(qt core)
        elseif(direct AND "Qt6::Widgets" IN_LIST direct)
            set(qt widgets)
        else()
            set(qt none)
        endif()
        set(holder zqs_pch)
        if(gtest)
            string(APPEND holder _gtest)
        endif()
        if(qt STREQUAL "none")
            string(APPEND holder _std)
        else()
            string(APPEND holder _${qt})
        endif()
        if(columns AND qt STREQUAL "widgets" AND NOT gtest)
            # The program's own two units (src/app) do not read the column names.
            set(columns OFF)
        endif()
        if(columns)
            string(APPEND holder _columns)
        endif()
        _zqs_pch_holder(${holder} ${qt} ${gtest} ${columns})
        target_precompile_headers(${target} REUSE_FROM ${holder})
        if(ZQS_OPTIMISED)
            get_target_property(sources ${target} SOURCES)
            get_target_property(source_dir ${target} SOURCE_DIR)
            foreach(source IN LISTS sources)
                cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} OUTPUT_VARIABLE absolute)
                cmake_path(RELATIVE_PATH absolute BASE_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE path)
                if(path IN_LIST ZQS_PCH_OPTIMISED_SKIP)
                    set_source_files_properties(${absolute} TARGET_DIRECTORY ${target}
                                                PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
                endif()
            endforeach()
        endif()
    endforeach()
endfunction()

if(ZQS_PCH)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _zqs_apply_pch)
endif()
