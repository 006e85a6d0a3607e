# Installs the build into a fresh prefix and checks that the desktop
# program arrives where a desktop finds it: the executables, the menu entry
# (valid, starting "tolka %f" for *.TLK), the icon, the AppStream metadata,
# the MIME type and the example control tables. Called by ctest with
# -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/tolka
    bin/tolka-cli
    share/applications/tolka.desktop
    share/metainfo/de.tolka.Tolka.metainfo.xml
    share/mime/packages/tolka.xml
    share/icons/hicolor/scalable/apps/tolka.svg
    share/icons/hicolor/scalable/mimetypes/application-x-tolka-data.svg
    share/tolka/steuerdateien/TLK_ABS.FST
    share/tolka/steuerdateien/ORG_FHR.FST)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(program tolka tolka-cli)
  if(NOT IS_DIRECTORY "${PREFIX}/bin" OR NOT EXISTS "${PREFIX}/bin/${program}")
    message(FATAL_ERROR "missing program ${program}")
  endif()
  file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${PREFIX}/bin/${program}"
       UNRESOLVED_DEPENDENCIES_VAR unresolved)
  if(unresolved)
    message(FATAL_ERROR "${program} needs libraries that are not found: ${unresolved}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/tolka.desktop" desktop)
foreach(line "Exec=tolka %f" "Icon=tolka" "MimeType=application/x-tolka-data;")
  string(FIND "${desktop}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "tolka.desktop lacks \"${line}\"")
  endif()
endforeach()
file(READ "${PREFIX}/share/mime/packages/tolka.xml" mime)
string(FIND "${mime}" "<glob pattern=\"*.TLK\"" at)
if(at LESS 0)
  message(FATAL_ERROR "the MIME type does not match *.TLK")
endif()

# The validators of the desktop standards, where the machine has them
# (scripts/install-deps.sh installs both).
find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE)
  execute_process(COMMAND "${DESKTOP_VALIDATE}" "${PREFIX}/share/applications/tolka.desktop"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses tolka.desktop")
  endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net
                          "${PREFIX}/share/metainfo/de.tolka.Tolka.metainfo.xml"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli refuses the metainfo")
  endif()
endif()
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND "${UPDATE_MIME}" "${PREFIX}/share/mime" RESULT_VARIABLE result)
  file(READ "${PREFIX}/share/mime/globs2" globs)
  string(FIND "${globs}" "application/x-tolka-data:*.TLK" at)
  if(NOT result EQUAL 0 OR at LESS 0)
    message(FATAL_ERROR "update-mime-database does not take the MIME type")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
