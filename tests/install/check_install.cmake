# Installs the build twice, into a prefix and, as a package build does, under
# DESTDIR, then checks the installed files. desktop-file-validate and
# update-mime-database are used when they are there (desktop-file-utils,
# shared-mime-info), never required.

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

function(install_into prefix destdir)
    if(destdir)
        set(env ${CMAKE_COMMAND} -E env DESTDIR=${destdir})
    else()
        set(env ${CMAKE_COMMAND} -E env --unset=DESTDIR)
    endif()
    execute_process(COMMAND ${env} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        fail("cmake --install failed (${status}):\n${output}")
    endif()
endfunction()

function(check_files root)
    foreach(file
            ${BINDIR}/brivane
            ${DATADIR}/applications/brivane.desktop
            ${DATADIR}/mime/packages/brivane.xml
            ${DATADIR}/icons/hicolor/scalable/apps/brivane.svg
            ${DATADIR}/thumbnailers/brivane.thumbnailer
            ${MANDIR}/man1/brivane.1.gz
            ${DATADIR}/doc/brivane/copyright)
        if(NOT EXISTS ${root}/${file})
            fail("not installed: ${root}/${file}")
        endif()
    endforeach()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})

# A prefix: the shared databases are refreshed there.
set(prefix ${WORK_DIR}/prefix)
install_into(${prefix} "")
check_files(${prefix})

execute_process(COMMAND ${prefix}/${BINDIR}/brivane --version
                RESULT_VARIABLE status OUTPUT_VARIABLE version ERROR_VARIABLE version)
if(NOT status EQUAL 0 OR NOT version MATCHES "^Brivane [0-9]")
    fail("the installed program does not start: ${status} ${version}")
endif()

file(READ ${prefix}/${DATADIR}/applications/brivane.desktop desktop)
foreach(line "Exec=brivane %f" "Icon=brivane" "Name=Brivane" "application/x-ti89-picture;" "image/jpeg;")
    string(FIND "${desktop}" "${line}" found)
    if(found LESS 0)
        fail("brivane.desktop lacks ${line}")
    endif()
endforeach()

# The thumbnailer's command run as a file manager runs it (%s the size, %i the
# file, %o the PNG to write, the program from the PATH) on a 16 x 2 picture: a
# 64 x 8 PNG, 4 x 4 squares, of one bit a pixel (black and white, no grey).
file(STRINGS ${prefix}/${DATADIR}/thumbnailers/brivane.thumbnailer exec REGEX "^Exec=")
string(REPLACE "Exec=" "" command "${exec}")
string(REPLACE "%s" "64" command "${command}")
string(REPLACE "%i" "${THUMBNAIL_SOURCE}" command "${command}")
string(REPLACE "%o" "${WORK_DIR}/dots.png" command "${command}")
separate_arguments(command UNIX_COMMAND "${command}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env "PATH=${prefix}/${BINDIR}:$ENV{PATH}" ${command}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK_DIR}/dots.png)
    fail("the thumbnailer's command (${exec}) failed (${status}):\n${output}")
endif()
# The PNG header: width and height (4 bytes each), bit depth.
file(READ ${WORK_DIR}/dots.png header OFFSET 16 LIMIT 9 HEX)
if(NOT header STREQUAL "000000400000000801")
    fail("the thumbnail is not a 64 x 8 black-and-white PNG: ${header}")
endif()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${prefix}/${DATADIR}/applications/brivane.desktop
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        fail("desktop-file-validate:\n${output}")
    endif()
else()
    message(STATUS "desktop-file-validate not found: desktop file not validated")
endif()

find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
    set(globs ${prefix}/${DATADIR}/mime/globs2)
    if(NOT EXISTS ${globs})
        fail("the MIME database of the prefix was not refreshed")
    endif()
    file(READ ${globs} content)
    string(FIND "${content}" "application/x-ti89-picture:*.89i" found)
    if(found LESS 0)
        fail("*.89i is not in ${globs}")
    endif()
    file(READ ${prefix}/${DATADIR}/mime/magic magic HEX)
    # "**TI92P*" in the compiled magic
    string(FIND "${magic}" "2a2a5449393250" found)
    if(found LESS 0)
        fail("the .89i signature is not in the compiled magic")
    endif()
else()
    message(STATUS "update-mime-database not found: MIME type not compiled")
endif()

# A package build: everything under DESTDIR, the system's databases left alone.
set(stage ${WORK_DIR}/stage)
install_into(/usr ${stage})
check_files(${stage}/usr)
if(EXISTS ${stage}/usr/${DATADIR}/mime/globs2)
    fail("a DESTDIR install must not compile the MIME database")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
