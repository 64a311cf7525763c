# The programs the build runs to generate sources (the registration resource, the packed
# banner, the stored built-in texts) and to check a built Windows plug-in. A native
# build makes them and lists them in
# fx-native-tools.cmake in its build folder; a cross build cannot run its own, so it
# imports that list (FX_NATIVE_TOOLS) and runs the native ones under the same names.
set(fx_native_tool_names pipl_generator banner_packer scramble_builtin_texts plugin_image_check)

if(CMAKE_CROSSCOMPILING)
  set(FX_NATIVE_TOOLS "" CACHE FILEPATH
      "fx-native-tools.cmake of a native build of this tree, whose generators a cross build runs")
  if(NOT EXISTS "${FX_NATIVE_TOOLS}")
    message(FATAL_ERROR "FX_NATIVE_TOOLS: '${FX_NATIVE_TOOLS}' not found; expected the fx-native-tools.cmake "
                        "that a native configure writes into its build folder (build its targets "
                        "${fx_native_tool_names} there first)")
  endif()
  include("${FX_NATIVE_TOOLS}")
  # They run here as they are: a cross build's emulator (Wine) is for its own programs.
  foreach(name ${fx_native_tool_names})
    if(TARGET ${name})
      set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR "")
    endif()
  endforeach()
endif()

# Called by a folder in place of add_executable for one of the generators: a cross
# build already has it, imported.
function(fx_add_native_tool name)
  if(NOT CMAKE_CROSSCOMPILING)
    add_executable(${name} ${ARGN})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

function(fx_export_native_tools)
  if(NOT CMAKE_CROSSCOMPILING)
    set(made)
    foreach(name ${fx_native_tool_names})
      if(TARGET ${name})
        list(APPEND made ${name})
      endif()
    endforeach()
    export(TARGETS ${made} FILE "${PROJECT_BINARY_DIR}/fx-native-tools.cmake")
  endif()
endfunction()
