# zlib comes from the system (zlib1g-dev / libz-mingw-w64-dev); minizip's unzip
# interface is compiled per target from Debian's zlib sources, which
# scripts/setup unpacks into build/deps/minizip; GoogleTest for the Windows
# targets from the sources Debian installs under /usr/src/googletest.
# Statically: the installer needs no DLL but Windows' own.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(MINIZIP_DIR ${DEPS_DIR}/minizip)
if(NOT EXISTS ${MINIZIP_DIR}/unzip.c)
  message(FATAL_ERROR "minizip sources missing in ${MINIZIP_DIR}: run scripts/setup")
endif()
add_library(minizip STATIC ${MINIZIP_DIR}/unzip.c ${MINIZIP_DIR}/ioapi.c)
target_include_directories(minizip SYSTEM PUBLIC ${MINIZIP_DIR})
target_compile_definitions(minizip PUBLIC NOCRYPT NOUNCRYPT)
target_compile_options(minizip PRIVATE -w)
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)

if(WIN32)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(GTEST_TARGETS GTest::gtest GTest::gtest_main GTest::gmock)
else()
  find_package(GTest REQUIRED)
  set(GTEST_TARGETS GTest::gtest GTest::gtest_main GTest::gmock)
endif()

# Adds every CMakeLists.txt-bearing subfolder of the current source folder.
function(add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
