# Configures the program as a packager does, with BUILD_TESTING off:
#   cmake -DSOURCE_DIR=<top of the repository> -DWORK_DIR=<folder of its own> -P packager_build.cmake
# Without the tests' packages (GoogleTest, Boost, and CMake's X11 package, which the tests' X
# tool uses) it configures, and its source of the watcher of windows destroyed from outside
# compiles to the watcher; without xcb's and Xlib's headers and libraries, which the program
# itself needs, the configuration fails and names the packages that bring them.

cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR WORK_DIR)
    if(NOT ${variable})
        message(FATAL_ERROR "${variable} not given")
    endif()
endforeach()

# Each run configures afresh: a cache left by the last one would keep what it found.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

set(failures 0)
macro(fail text)
    message("FAIL ${text}")
    math(EXPR failures "${failures} + 1")
endmacro()

set(without_test_packages -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
                          -DCMAKE_DISABLE_FIND_PACKAGE_Boost=ON -DCMAKE_DISABLE_FIND_PACKAGE_X11=ON)

# With xcb, without the tests' packages.
set(build "${WORK_DIR}/with-xcb")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} ${without_test_packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    fail("the packager's configuration failed:\n${output}")
else()
    # The watcher's source compiled as the build compiles it.
    file(READ "${build}/compile_commands.json" commands)
    string(JSON count LENGTH "${commands}")
    math(EXPR last "${count} - 1")
    set(command "")
    foreach(i RANGE ${last})
        string(JSON file GET "${commands}" ${i} file)
        if(file MATCHES "DestroyedWindowWatcher\\.cpp$")
            string(JSON command GET "${commands}" ${i} command)
            string(JSON directory GET "${commands}" ${i} directory)
        endif()
    endforeach()
    if(NOT command)
        fail("the build compiles no DestroyedWindowWatcher.cpp")
    else()
        separate_arguments(arguments UNIX_COMMAND "${command}")
        list(FIND arguments -o at)
        math(EXPR at "${at} + 1")
        list(REMOVE_AT arguments ${at})
        list(INSERT arguments ${at} "${WORK_DIR}/watcher.o")
        execute_process(COMMAND ${arguments} WORKING_DIRECTORY ${directory}
                        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
            fail("the watcher's source does not compile:\n${output}")
        else()
            execute_process(COMMAND nm -C "${WORK_DIR}/watcher.o" OUTPUT_VARIABLE symbols)
            if(NOT symbols MATCHES "DestroyedWindowWatcher::nativeEventFilter")
                fail("the packager's build has no watcher of windows destroyed from outside")
            else()
                message("ok   without the tests' packages the build configures and keeps the watcher")
            endif()
        endif()
    endif()
endif()

# Without xcb and Xlib: pkg-config finds no package at all.
file(MAKE_DIRECTORY "${WORK_DIR}/no-packages")
set(ENV{PKG_CONFIG_LIBDIR} "${WORK_DIR}/no-packages")
set(ENV{PKG_CONFIG_PATH} "")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/without-xcb ${without_test_packages}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
    fail("without xcb and Xlib the configuration succeeds")
elseif(NOT output MATCHES "libxcb1-dev" OR NOT output MATCHES "libx11-dev")
    fail("without xcb and Xlib the configuration fails without naming libxcb1-dev and libx11-dev:\n${output}")
else()
    message("ok   without xcb and Xlib the configuration fails and names libxcb1-dev and libx11-dev")
endif()

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} case(s) failed")
endif()
