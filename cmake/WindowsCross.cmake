# What the cross build for Windows takes from the build machine, which has no Windows packages.

# The header-only packages, through a folder holding just their headers, so that the build
# machine's other headers stay out of the Windows compile.
set(header_only ${PROJECT_BINARY_DIR}/header-only)
file(MAKE_DIRECTORY ${header_only})
file(CREATE_LINK /usr/include/nlohmann ${header_only}/nlohmann SYMBOLIC)
file(CREATE_LINK /usr/include/CLI ${header_only}/CLI SYMBOLIC)
foreach(package nlohmann_json CLI11)
  add_library(${package}::${package} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${package}::${package} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${header_only})
  # The package's own config then finds its target made already and adds nothing.
  set(${package}_DIR /usr/share/cmake/${package} CACHE PATH "")
endforeach()

# GoogleTest from Debian's source package, built for the target (it names its targets GTest::).
if(RIVEZOZER_BUILD_TESTS)
  set(BUILD_GMOCK OFF CACHE BOOL "")
  set(INSTALL_GTEST OFF CACHE BOOL "")
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# Programs and DLLs in one folder, where Windows looks for a program's DLLs.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# The maths constants (M_PI) that glibc declares by default.
add_compile_definitions(_USE_MATH_DEFINES)
