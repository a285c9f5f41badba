# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# The floor below the widgets: kavelo_core, the measuring on it and kavelo-check link Qt Core
# and Gui only, so that the checker runs without Qt Widgets or Multimedia (on Windows,
# kavelo-check.exe loads no Qt6Widgets.dll). Two things hold them to it: their links are
# walked at the end of the configuration, and their sources see a header of ours in front
# of every widget and multimedia header of Qt's, which stops the compilation. Without it
# <QtWidgets/QWidget> would compile there, since Qt's include root is on every Qt path.

# Every poison header says this; the probe below and the floor test look for it.
set(KAVELO_FLOOR_MESSAGE "core/ is the floor below the widgets")
set(KAVELO_FLOOR_INCLUDE_DIR ${PROJECT_BINARY_DIR}/widget_floor)

# Qt's include roots are the folders among Core's and Gui's include directories that hold
# module folders; there, every folder of a widget or multimedia module (QtWidgets,
# QtOpenGLWidgets, QtMultimedia…) gets its headers shadowed, by the same relative names.
# A module this Qt lacks (the web build has no Multimedia) has nothing to shadow.
function(kavelo_make_floor_headers)
  set(roots)
  foreach(qt_module Qt6::Core Qt6::Gui)
    get_target_property(directories ${qt_module} INTERFACE_INCLUDE_DIRECTORIES)
    list(APPEND roots ${directories})
  endforeach()
  list(REMOVE_DUPLICATES roots)
  set(count 0)
  foreach(root IN LISTS roots)
    if(root MATCHES "\\$<" OR NOT IS_DIRECTORY "${root}")
      continue()
    endif()
    file(GLOB module_folders LIST_DIRECTORIES true "${root}/Qt*Widgets" "${root}/QtMultimedia*")
    foreach(folder IN LISTS module_folders)
      if(NOT IS_DIRECTORY "${folder}")
        continue()
      endif()
      file(GLOB_RECURSE headers LIST_DIRECTORIES false RELATIVE "${root}" "${folder}/*")
      foreach(header IN LISTS headers)
        # Written only when it changes, so that a new configuration touches nothing.
        file(CONFIGURE OUTPUT "${KAVELO_FLOOR_INCLUDE_DIR}/${header}"
             CONTENT "#error \"${KAVELO_FLOOR_MESSAGE}: <${header}> belongs in kavelo_ui\"\n")
        math(EXPR count "${count} + 1")
      endforeach()
    endforeach()
  endforeach()
  message(STATUS "Widget floor: ${count} Qt widget and multimedia headers shadowed")
endfunction()
kavelo_make_floor_headers()

# Fails the configuration when `target` reaches Qt Widgets or Multimedia through its links,
# however many libraries down.
function(kavelo_refuse_widgets target)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current MATCHES "Qt6?(::)?(Widgets|Multimedia)")
      message(FATAL_ERROR "${target} must not link ${current}: it is below the widgets")
    endif()
    if(NOT TARGET ${current})
      continue()
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(linked ${current} ${property})
      foreach(item IN LISTS linked)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
        list(APPEND pending "${item}")
      endforeach()
    endforeach()
  endwhile()
endfunction()

# Puts `target` below the widgets: the poison headers in front of Qt's on its include path,
# and its links checked once everything is configured, so that a link added later counts.
function(kavelo_below_widgets target)
  target_include_directories(${target} BEFORE PRIVATE ${KAVELO_FLOOR_INCLUDE_DIR})
  set_target_properties(${target} PROPERTIES KAVELO_BELOW_WIDGETS ON)
  # The floor test compiles with the very command that builds the target.
  set_target_properties(${target} PROPERTIES EXPORT_COMPILE_COMMANDS ON)
  # A deferred call reads its variables when it runs: the name goes in as text now.
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] \
                            CALL kavelo_refuse_widgets [[${target}]])")
endfunction()

# A widget header must not compile with `target`'s include path; and it must fail on our
# poison, or the probe has proved nothing (no Qt widget headers found to shadow, say).
function(kavelo_probe_widget_floor target)
  get_target_property(includes ${target} INCLUDE_DIRECTORIES)
  get_target_property(links ${target} LINK_LIBRARIES)
  set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
  try_compile(compiled
    SOURCE_FROM_CONTENT widget_floor_probe.cpp "#include <QtWidgets/QWidget>\n"
    NO_CACHE
    CMAKE_FLAGS "-DINCLUDE_DIRECTORIES=${includes}"
    LINK_LIBRARIES ${links}
    CXX_STANDARD ${CMAKE_CXX_STANDARD}
    OUTPUT_VARIABLE output)
  if(compiled)
    message(FATAL_ERROR "${target} compiles <QtWidgets/QWidget>: the widget floor is open")
  endif()
  string(FIND "${output}" "${KAVELO_FLOOR_MESSAGE}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR
      "The widget floor probe for ${target} failed without the floor's message:\n${output}")
  endif()
endfunction()

# Folder = library: kavelo_core is the files of core/ and nothing else, and a file of core/
# compiles only in a target below the widgets, where the poison headers stand. A core file
# listed in kavelo_ui, or in a test or tool that is not below the widgets, stops the
# configuration. Every header of core/ is compiled below the widgets too, so that one that
# only widget code includes cannot hold a widget include either.
function(kavelo_targets_of directory out)
  get_directory_property(targets DIRECTORY ${directory} BUILDSYSTEM_TARGETS)
  get_directory_property(subdirectories DIRECTORY ${directory} SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    kavelo_targets_of(${subdirectory} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(kavelo_check_core_folder)
  set(core ${PROJECT_SOURCE_DIR}/core/)
  kavelo_targets_of(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    get_target_property(floored ${target} KAVELO_BELOW_WIDGETS)
    foreach(source IN LISTS sources)
      if(source MATCHES "^\\$<")
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE)
      string(FIND "${source}" "${core}" at)
      file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${source})
      if(at EQUAL 0 AND NOT floored)
        message(FATAL_ERROR "${KAVELO_FLOOR_MESSAGE}: ${shown} is listed in ${target}, which "
                            "is above it; core/ files belong in kavelo_core")
      endif()
      if(target STREQUAL "kavelo_core" AND NOT at EQUAL 0
         AND NOT source MATCHES "/core_headers\\.cpp$")
        message(FATAL_ERROR "kavelo_core is the folder core/: ${shown} belongs in the "
                            "library of its own folder, or moves to core/")
      endif()
    endforeach()
  endforeach()
endfunction()

# One file that includes every header of core/, compiled with kavelo_core. The headers are
# found by a glob, not listed: this is a check of the folder, not a list of sources.
function(kavelo_compile_core_headers)
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/core/*.h)
  set(content "// Every header of core/, compiled below the widgets.\n")
  foreach(header IN LISTS headers)
    string(APPEND content "#include \"${header}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${KAVELO_FLOOR_INCLUDE_DIR}/core_headers.cpp CONTENT "${content}")
  target_sources(kavelo_core PRIVATE ${KAVELO_FLOOR_INCLUDE_DIR}/core_headers.cpp)
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL kavelo_check_core_folder)
