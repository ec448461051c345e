# Shared build rules: one static library per source folder, warnings, sanitizers.

set(ZINTARO_WARNINGS -Wall -Wextra -Wno-missing-field-initializers)

if(ZINTARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(ZINTARO_FUZZ)
  # Instrument the libraries too, so the fuzzer sees coverage inside the readers.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every library the program is made of, in link order from the top layer down.
set_property(GLOBAL PROPERTY ZINTARO_LIBRARIES "")

# zintaro_library(<name> DEPS <targets...>): a static library of every .cpp/.h in the
# calling folder. Folder-wide globbing lets a new unit join by adding its two files.
function(zintaro_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  target_compile_options(${name} PRIVATE ${ZINTARO_WARNINGS})
  set_property(GLOBAL APPEND PROPERTY ZINTARO_LIBRARIES ${name})
endfunction()

function(zintaro_warnings target)
  target_compile_options(${target} PRIVATE ${ZINTARO_WARNINGS})
endfunction()
