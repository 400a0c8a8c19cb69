# Removes the files that `cmake --install` wrote, as listed in its manifest, below
# $ENV{DESTDIR} when that is set, and then the game's own data folders once they are
# empty. Shared folders (bin, share/applications, the icon theme ...) stay.
#
# Usage: cmake -DMANIFEST=<build>/install_manifest.txt -P Uninstall.cmake
if(NOT MANIFEST)
    message(FATAL_ERROR "Uninstall.cmake: give the install manifest with -DMANIFEST=...")
endif()
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (nothing was installed from this build)")
endif()

set(destdir "$ENV{DESTDIR}")
file(STRINGS "${MANIFEST}" installed)
set(folders)
foreach(file IN LISTS installed)
    set(path "${destdir}${file}")
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
        message(STATUS "Removing ${path}")
        file(REMOVE "${path}")
        if(EXISTS "${path}" OR IS_SYMLINK "${path}")
            message(FATAL_ERROR "Could not remove ${path}")
        endif()
    else()
        message(STATUS "Already gone: ${path}")
    endif()
    get_filename_component(folder "${path}" DIRECTORY)
    list(APPEND folders "${folder}")
endforeach()

# The folders that belong to the game alone: <datadir>/quillor and what is below it.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)  # deeper folders first
foreach(folder IN LISTS folders)
    while(folder MATCHES "/share/quillor(/.*)?$" AND IS_DIRECTORY "${folder}")
        file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
        if(left)
            break()
        endif()
        message(STATUS "Removing the empty folder ${folder}")
        file(REMOVE_RECURSE "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
