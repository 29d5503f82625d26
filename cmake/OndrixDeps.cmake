# Native libraries, found rather than hard-coded. Each one is called only from a small wrapper compiled
# without the Win32 flags.
find_package(PkgConfig REQUIRED)
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

find_path(GLPK_INCLUDE_DIR glpk.h REQUIRED)
find_library(GLPK_LIBRARY glpk REQUIRED)
add_library(ondrix::glpk INTERFACE IMPORTED)
target_include_directories(ondrix::glpk INTERFACE ${GLPK_INCLUDE_DIR})
target_link_libraries(ondrix::glpk INTERFACE ${GLPK_LIBRARY})

find_package(EXPAT REQUIRED)
find_package(JPEG REQUIRED)
pkg_check_modules(GVC REQUIRED IMPORTED_TARGET libgvc)
