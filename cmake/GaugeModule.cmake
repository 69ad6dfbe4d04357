# add_gauge_module(NAME <Module> VERSION <700|800> SOURCES ... ARTWORK ...
#                  [RESOURCES pack] [DEFINES ...] [EXPORTS map] [UNSANITIZED])
#
# Builds one gauge module file, build/gauges/<Module>.so:
#   1. the module's code with its own copy of the framework, exporting only
#      Linkage and ImportTable (hidden visibility and a version script);
#   2. its bitmaps, drawn by the module's artwork program into a resource pack;
#   3. the pack stored in the module file's ".gauge_resources" section.
set(PANEL_FRAMEWORK_SOURCES
  ${PROJECT_SOURCE_DIR}/framework/linkage.cpp
  ${PROJECT_SOURCE_DIR}/framework/standard_routines.cpp
  ${PROJECT_SOURCE_DIR}/framework/text_format.cpp)

find_program(PANEL_OBJCOPY NAMES objcopy REQUIRED)

function(add_gauge_module)
  cmake_parse_arguments(GM "UNSANITIZED" "NAME;VERSION;RESOURCES;EXPORTS" "SOURCES;ARTWORK;DEFINES" ${ARGN})
  if(NOT GM_EXPORTS)
    set(GM_EXPORTS ${PROJECT_SOURCE_DIR}/framework/exports.map)
  endif()
  set(code ${GM_NAME}_code)
  set(framework ${PANEL_FRAMEWORK_SOURCES})
  if(GM_VERSION STREQUAL "700")
    list(APPEND framework ${PROJECT_SOURCE_DIR}/framework/element_flags.cpp)
  endif()
  add_library(${code} SHARED ${GM_SOURCES} ${framework})
  target_include_directories(${code} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${code} PRIVATE GAUGE_HEADER_VERSION=${GM_VERSION} ${GM_DEFINES})
  if(GM_UNSANITIZED)
    # Test modules with faults the host must survive are read past their
    # records on purpose; they carry no sanitizer guards of their own.
    target_compile_options(${code} PRIVATE -fno-sanitize=all)
    target_link_options(${code} PRIVATE -fno-sanitize=all)
  endif()
  target_compile_options(${code} PRIVATE ${PANEL_WARNINGS} -fvisibility=hidden -fno-gnu-unique)
  target_link_options(${code} PRIVATE
    -Wl,--version-script=${GM_EXPORTS} -Wl,--no-undefined)
  set_target_properties(${code} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/module-code
    LINK_DEPENDS ${GM_EXPORTS})

  # The module's bitmaps: drawn, quantised and packed by its artwork program,
  # unless a ready pack is given (the test fixtures).
  set(pack ${CMAKE_BINARY_DIR}/resources/${GM_NAME}.res)
  if(GM_ARTWORK)
    string(TOLOWER ${GM_NAME} lower)
    add_executable(${lower}_artwork ${PROJECT_SOURCE_DIR}/art/generate_main.cpp ${GM_ARTWORK})
    target_include_directories(${lower}_artwork PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${lower}_artwork PRIVATE panel_art)
    target_compile_options(${lower}_artwork PRIVATE ${PANEL_WARNINGS})
    set_target_properties(${lower}_artwork PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
    # The pack, and a contact sheet of every bitmap for review.
    set(sheet ${CMAKE_BINARY_DIR}/contact/${GM_NAME}.png)
    add_custom_command(OUTPUT ${pack} ${sheet}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
      COMMAND $<TARGET_FILE:${lower}_artwork> ${pack} --sheet ${sheet}
      DEPENDS ${lower}_artwork
      COMMENT "Drawing the bitmaps of ${GM_NAME}")
  elseif(GM_RESOURCES)
    set(pack ${GM_RESOURCES})
  endif()

  set(module_file ${PANEL_GAUGE_DIR}/${GM_NAME}.so)
  add_custom_command(OUTPUT ${module_file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PANEL_GAUGE_DIR}
    COMMAND ${PANEL_OBJCOPY} --add-section .gauge_resources=${pack}
            --set-section-flags .gauge_resources=noload,readonly
            $<TARGET_FILE:${code}> ${module_file}
    DEPENDS ${code} ${pack}
    COMMENT "Storing the bitmaps in ${GM_NAME}.so")
  add_custom_target(${GM_NAME} ALL DEPENDS ${module_file})
endfunction()
