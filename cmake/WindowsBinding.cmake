# On Windows the tool is bound to TREVANIX.dll by ordinal: an import library
# made from the module-definition file, which lists the operations by ordinal
# and without names.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TREVANIX_DEF_FILE ${PROJECT_SOURCE_DIR}/api/trevanix-x86.def)
else()
  set(TREVANIX_DEF_FILE ${PROJECT_SOURCE_DIR}/api/trevanix-x64.def)
endif()

set(TREVANIX_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/libtrevanix_ordinals.a)
add_custom_command(
  OUTPUT ${TREVANIX_IMPORT_LIBRARY}
  COMMAND ${CMAKE_DLLTOOL} --input-def ${TREVANIX_DEF_FILE} --dllname TREVANIX.dll
          --output-lib ${TREVANIX_IMPORT_LIBRARY}
  DEPENDS ${TREVANIX_DEF_FILE}
  COMMENT "Import library of TREVANIX.dll by ordinal")
add_custom_target(trevanix_import_library DEPENDS ${TREVANIX_IMPORT_LIBRARY})

add_library(trevanix_by_ordinal STATIC IMPORTED GLOBAL)
set_target_properties(trevanix_by_ordinal PROPERTIES IMPORTED_LOCATION ${TREVANIX_IMPORT_LIBRARY})
add_dependencies(trevanix_by_ordinal trevanix_import_library)

# A DLL that answers in place of the platform's: named TREVANIX.dll and
# exporting the operations by the same ordinals.
function(plovask_trevanix_dll target)
  target_sources(${target} PRIVATE ${TREVANIX_DEF_FILE})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME TREVANIX)
endfunction()
