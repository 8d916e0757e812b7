# Installs a build under DESTDIR with the prefix /usr, as the package does, and
# checks what lands where. Arguments: BUILD_DIR, DESTDIR, PNG_ICONS.
file(REMOVE_RECURSE ${DESTDIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
set(root ${DESTDIR}/usr)

function(expect_file file)
    if(NOT EXISTS ${root}/${file})
        message(SEND_ERROR "not installed: /usr/${file}")
    endif()
endfunction()

foreach(file
        bin/kesh
        bin/kesh-import
        share/applications/io.github.kesh.Kesh.desktop
        share/applications/io.github.kesh.KeshImport.desktop
        share/metainfo/io.github.kesh.Kesh.metainfo.xml
        share/man/man1/kesh.1.gz
        share/man/man1/kesh-import.1.gz
        share/doc/kesh/copyright
        share/doc/kesh/changelog.gz)
    expect_file(${file})
endforeach()

# Every entry's icon in every size, PNGs exactly as large as their folder says.
file(GLOB entries ${root}/share/applications/*.desktop)
foreach(entry ${entries})
    file(STRINGS ${entry} icon_line REGEX "^Icon=")
    string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
    expect_file(share/icons/hicolor/scalable/apps/${icon}.svg)
    if(PNG_ICONS)
        foreach(size 16 24 32 48 64 128 256)
            set(png share/icons/hicolor/${size}x${size}/apps/${icon}.png)
            expect_file(${png})
            if(EXISTS ${root}/${png})
                # The width and height of the IHDR chunk, big-endian.
                file(READ ${root}/${png} header OFFSET 16 LIMIT 8 HEX)
                string(SUBSTRING ${header} 0 8 width_hex)
                string(SUBSTRING ${header} 8 8 height_hex)
                math(EXPR width "0x${width_hex}")
                math(EXPR height "0x${height_hex}")
                if(NOT width EQUAL size OR NOT height EQUAL size)
                    message(SEND_ERROR "/usr/${png} is ${width}x${height}")
                endif()
            endif()
        endforeach()
    endif()
endforeach()

# Software centres find the program through the desktop entry the metainfo names.
file(READ ${root}/share/metainfo/io.github.kesh.Kesh.metainfo.xml metainfo)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" launchable "${metainfo}")
expect_file(share/applications/${CMAKE_MATCH_1})
# ... and match its id to the entry's file name.
string(REGEX MATCH "<id>([^<]+)</id>" id "${metainfo}")
expect_file(share/applications/${CMAKE_MATCH_1}.desktop)

# Nothing else: no headers, static libraries or test programs.
file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
foreach(file ${installed})
    if(NOT file MATCHES "^(bin/kesh|bin/kesh-import|share/(applications|metainfo|icons/hicolor|man/man1|doc/kesh)/.*)$")
        message(SEND_ERROR "installed but not expected: /usr/${file}")
    endif()
endforeach()
