# Lists the install folder for the installer script, so that the installer packs exactly these
# files and its uninstaller removes exactly these (and no file a user put beside them).
# Usage: cmake -DDIST=<install folder> -DLIST=<.nsh to write> -DINSTALLER=<installer .exe>
#              -DDEPFILE=<depfile to write> -P DistFiles.cmake
# The depfile names every listed file, so the installer is built again when any of them changes.

# The install folder's subfolders, each after its parent.
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE ${DIST} ${DIST}/*)
set(kept_folders "")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY ${DIST}/${folder})
    list(APPEND kept_folders ${folder})
  endif()
endforeach()
list(SORT kept_folders)

set(install "!macro InstallDistFiles\n")
set(remove "!macro RemoveDistFiles\n")
set(depends "${INSTALLER}:")
foreach(folder "" ${kept_folders})
  file(GLOB files LIST_DIRECTORIES false RELATIVE ${DIST} ${DIST}/${folder}/*)
  # error.log is the launcher's configuration report, written at run time (a demo run leaves
  # one in the build's install folder); it never ships.
  list(REMOVE_ITEM files error.log)
  list(SORT files)
  if(NOT folder STREQUAL "")
    string(REPLACE "/" "\\" folder_path "$INSTDIR/${folder}")
  else()
    set(folder_path "$INSTDIR")
  endif()
  string(APPEND install "  SetOutPath \"${folder_path}\"\n")
  foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file_path "${file}")
    string(APPEND install "  File \"${DIST}/${file}\"\n")
    string(APPEND remove "  Delete \"$INSTDIR\\${file_path}\"\n")
    string(REPLACE " " "\\ " escaped "${DIST}/${file}")
    string(APPEND depends " ${escaped}")
  endforeach()
endforeach()

# Children before their parents; RMDir without /r keeps a folder that holds other files.
list(REVERSE kept_folders)
foreach(folder IN LISTS kept_folders)
  string(REPLACE "/" "\\" folder_path "${folder}")
  string(APPEND remove "  RMDir \"$INSTDIR\\${folder_path}\"\n")
endforeach()

string(APPEND install "!macroend\n")
string(APPEND remove "!macroend\n")
file(WRITE ${LIST} "${install}\n${remove}")
file(WRITE ${DEPFILE} "${depends}\n")
