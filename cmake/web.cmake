# Settings of the WebAssembly build (the `web` preset, emscripten's toolchain).

# The library is header-only; the host's copy is used through a folder that
# holds nothing else, so the host's C headers never mix with emscripten's.
set(GELVANT_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${GELVANT_HOST_HEADERS})
if(NOT EXISTS ${GELVANT_HOST_HEADERS}/nlohmann)
  file(CREATE_LINK /usr/include/nlohmann ${GELVANT_HOST_HEADERS}/nlohmann SYMBOLIC)
endif()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${GELVANT_HOST_HEADERS})

# emscripten's optimiser runs on Debian's Node modules (acorn), which the
# machine's Node does not search by itself.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# Without it, a C++ exception (a refused design file, a usage error) ends the
# program instead of reaching its handler.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)

# The native driver the web build's figures are compared with, and the
# program whose calculation sheet the page's printed sheet is.
set(GELVANT_NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build/dev
    CACHE PATH "Native build tree whose gelvant-cli and gelvant the web build is checked against")
