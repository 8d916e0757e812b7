# Installs the resources into a scratch prefix and checks that every file lands
# where desktops look for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
foreach(file
        share/applications/kesh.desktop
        share/applications/kesh-import.desktop
        share/icons/hicolor/scalable/apps/kesh.svg
        share/icons/hicolor/scalable/apps/kesh-import.svg)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
