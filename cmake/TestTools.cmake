# SPDX-FileCopyrightText: 2026 the Zorvane project
#
# SPDX-License-Identifier: GPL-3.0-or-later

# zv_find_test_tools(<result-var>): sets <result-var> to the list of what the
# test suite needs and this system lacks (empty when everything is there).
# The Debian packages behind these are the "test" list of scripts/install-deps.sh.
function(zv_find_test_tools result)
    set(missing)
    find_package(Qt6 6.4 QUIET COMPONENTS Test)
    if(NOT Qt6Test_FOUND)
        list(APPEND missing "Qt6 Test")
    endif()
    foreach(tool Xvfb xdotool dbus-daemon xdg-open desktop-file-validate appstreamcli lintian
                 reuse man dpkg-deb dpkg-shlibdeps readelf)
        find_program(ZV_TOOL_${tool} ${tool})
        mark_as_advanced(ZV_TOOL_${tool})
        if(NOT ZV_TOOL_${tool})
            list(APPEND missing ${tool})
        endif()
    endforeach()
    if(NOT EXISTS /usr/libexec/at-spi-bus-launcher)
        list(APPEND missing at-spi-bus-launcher)
    endif()
    execute_process(
        COMMAND /usr/bin/python3 -c "import gi; gi.require_version('Atspi', '2.0'); import pyatspi"
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
        list(APPEND missing "python3 with pyatspi")
    endif()
    set(${result} "${missing}" PARENT_SCOPE)
endfunction()

# Tests and benchmarks are built when asked (-DBUILD_TESTING=ON,
# -DZV_BENCHMARKS=ON), and then everything they need must be there, so that no
# test silently drops out. Left unset, each is built when what it needs is
# there, so that a plain build needs only what building the program needs.
if(DEFINED BUILD_TESTING)
    if(BUILD_TESTING)
        zv_find_test_tools(zv_missing)
        if(zv_missing)
            list(JOIN zv_missing ", " zv_missing)
            message(FATAL_ERROR "BUILD_TESTING is on, but the tests need what is missing: "
                                "${zv_missing} (scripts/install-deps.sh test installs it)")
        endif()
    endif()
else()
    zv_find_test_tools(zv_missing)
    if(zv_missing)
        set(zv_testing_default OFF)
    else()
        set(zv_testing_default ON)
    endif()
    set(BUILD_TESTING ${zv_testing_default} CACHE BOOL "Build the test suite")
    message(STATUS "Test suite: ${BUILD_TESTING}")
endif()

if(DEFINED ZV_BENCHMARKS)
    if(ZV_BENCHMARKS)
        find_package(benchmark REQUIRED)
    endif()
else()
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        set(zv_benchmarks_default ON)
    else()
        set(zv_benchmarks_default OFF)
    endif()
    set(ZV_BENCHMARKS ${zv_benchmarks_default} CACHE BOOL "Build the benchmarks (Google Benchmark)")
    message(STATUS "Benchmarks: ${ZV_BENCHMARKS}")
endif()
