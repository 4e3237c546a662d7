# orvane_control_dll(<Deliverable> [ENGINES <targets...>])
#
# Builds the control folder that calls it into <Deliverable>.dll: the IDL <Deliverable>.idl
# gives the C++ declarations, the GUIDs and the type library (embedded as TYPELIB 1), the
# folder's toolbox.bmp becomes bitmap 102, and the DLL exports the four self-registration entry
# points. It links the control frame, the engine of its component (orvane_<component>_engine)
# and any further ENGINES, each only once that target exists.

find_program(ORVANE_WIDL x86_64-w64-mingw32-widl REQUIRED)
set(ORVANE_WINE_IDL_DIR /usr/include/wine/wine/windows)
set(ORVANE_WINE_TLB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(ORVANE_CONTROL_RC_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/orvane_control.rc.in)
# The DLLs, the test programs and the demo share one folder, so each finds the others.
set(ORVANE_WINDOWS_BIN ${CMAKE_BINARY_DIR}/bin CACHE INTERNAL "Output folder of the Windows programs")

function(orvane_control_dll deliverable)
  cmake_parse_arguments(ARG "" "" "ENGINES" ${ARGN})
  set(source_dir ${CMAKE_CURRENT_SOURCE_DIR})
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/generated)
  set(idl ${source_dir}/${deliverable}.idl)
  set(header ${generated}/${deliverable}.h)
  set(guids ${generated}/${deliverable}_i.c)
  set(tlb ${generated}/${deliverable}.tlb)
  set(bitmap ${source_dir}/toolbox.bmp)

  add_custom_command(
    OUTPUT ${header} ${guids} ${tlb}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
    COMMAND ${ORVANE_WIDL} --win64 -I${ORVANE_WINE_IDL_DIR} -L${ORVANE_WINE_TLB_DIR}
            -h -H ${header} -u -U ${guids} -t -T ${tlb} ${idl}
    DEPENDS ${idl}
    COMMENT "widl ${deliverable}.idl"
    VERBATIM)
  set_source_files_properties(${guids} PROPERTIES LANGUAGE CXX)

  set(ORVANE_RC_TLB ${tlb})
  set(ORVANE_RC_BITMAP ${bitmap})
  set(ORVANE_RC_DELIVERABLE ${deliverable})
  set(rc ${generated}/${deliverable}.rc)
  configure_file(${ORVANE_CONTROL_RC_TEMPLATE} ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${tlb};${bitmap}")

  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.cpp)
  add_library(${deliverable} SHARED ${sources} ${guids} ${rc}
                                    ${PROJECT_SOURCE_DIR}/src/shared/control/orvane_control.def)
  set_target_properties(${deliverable} PROPERTIES
    PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${ORVANE_WINDOWS_BIN})
  target_include_directories(${deliverable} PRIVATE ${source_dir} ${generated})
  # The frame comes in whole: its DllMain and exports are reached only through the .def file.
  target_link_libraries(${deliverable} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,orvane_control_frame>")

  get_filename_component(component_dir ${source_dir} DIRECTORY)
  get_filename_component(component ${component_dir} NAME)
  foreach(engine orvane_${component}_engine ${ARG_ENGINES})
    if(TARGET ${engine})
      target_link_libraries(${deliverable} PRIVATE ${engine})
    endif()
  endforeach()

  # Where the test programs find the generated declarations and GUIDs of every control.
  set_property(GLOBAL APPEND PROPERTY ORVANE_CONTROL_DLLS ${deliverable})
  set_property(GLOBAL APPEND PROPERTY ORVANE_CONTROL_GENERATED_DIRS ${generated})
  set_property(GLOBAL APPEND PROPERTY ORVANE_CONTROL_GUID_SOURCES ${guids})
endfunction()
