# Writes the manual page brivane.1 (gzipped when GZIP is given) from the built
# program's own --help texts, so the page and the program never disagree:
#   cmake -DPROGRAM=brivane -DOUTPUT=brivane.1 [-DGZIP=gzip] -P ManPage.cmake
# Every command that the general help lists ("brivane WORD ...") gets a section
# from "brivane WORD --help"; the general help's "Code de sortie" paragraph
# becomes the exit status section. The date honours SOURCE_DATE_EPOCH.

function(fail message)
    message(FATAL_ERROR "ManPage.cmake: ${message}")
endfunction()

# The output of "PROGRAM args...", which must succeed.
function(run_program out)
    execute_process(COMMAND ${PROGRAM} ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE error)
    if(NOT status EQUAL 0)
        fail("${PROGRAM} ${ARGN} failed (${status}): ${error}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text made safe for roff: backslashes, minus signs and lines that would read as
# requests.
function(roff_escape out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A help text as roff: its lines kept as they are, since the options are laid out
# in columns; "Utilisation :" and "Options :" headings in bold.
function(help_block out text)
    roff_escape(text "${text}")
    string(REGEX REPLACE "\n+$" "" text "${text}")
    string(REGEX REPLACE "(^|\n)([A-Z][^\n]*) :(\n|$)" "\\1.B \"\\2 :\"\\3" text "${text}")
    set(${out} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

if(NOT PROGRAM OR NOT OUTPUT)
    fail("PROGRAM and OUTPUT are needed")
endif()

run_program(version --version)
string(STRIP "${version}" version)
run_program(general --help)

# "Code de sortie : 0 si ..., 1 si ..., 2 si ...": one item per status.
if(NOT general MATCHES "\n\nCode de sortie : ([^\n]*(\n[^\n]+)*)")
    fail("the general help says nothing of the exit status")
endif()
string(REGEX REPLACE "\n" " " statuses "${CMAKE_MATCH_1}")
string(REGEX REPLACE "\\.$" "" statuses "${statuses}")
string(REGEX REPLACE "(,| et) ([0-9]+ si )" ";\\2" statuses "${statuses}")
set(status_items "")
foreach(item IN LISTS statuses)
    if(NOT item MATCHES "^([0-9]+) si (.*)$")
        fail("unexpected exit status item: ${item}")
    endif()
    roff_escape(meaning "${CMAKE_MATCH_2}")
    string(APPEND status_items ".TP\n.B ${CMAKE_MATCH_1}\n${meaning}.\n")
endforeach()
string(REGEX REPLACE "\n\nCode de sortie : .*" "\n" usage "${general}")
string(REGEX REPLACE "^Utilisation :\n" "" usage "${usage}")

# The commands, in the order of the general help.
string(REGEX MATCHALL "\n  brivane [a-z][a-z]+" words "${general}")
set(commands "")
foreach(word IN LISTS words)
    string(REGEX REPLACE "\n  brivane " "" word "${word}")
    list(APPEND commands ${word})
endforeach()
list(REMOVE_DUPLICATES commands)
if(NOT commands)
    fail("the general help lists no command")
endif()
set(command_sections "")
foreach(command IN LISTS commands)
    run_program(help ${command} --help)
    help_block(block "${help}")
    string(APPEND command_sections ".SS \"brivane ${command}\"\n${block}")
endforeach()

string(TIMESTAMP date "%Y-%m-%d" UTC)
help_block(synopsis "${usage}")
roff_escape(version_shown "${version}")
file(WRITE ${OUTPUT} ".\\\" -*- coding: UTF-8 -*-
.\\\" Written by the build from the texts of \"brivane --help\": edit those.
.TH BRIVANE 1 \"${date}\" \"${version_shown}\" \"Commandes\"
.SH NOM
brivane \\- convertit des images en fichiers .89i pour les calculatrices TI\\-89 et TI\\-92 Plus
.SH SYNOPSIS
${synopsis}.SH COMMANDES
${command_sections}.SH \"CODE DE SORTIE\"
${status_items}")

if(GZIP)
    file(REMOVE ${OUTPUT}.gz)
    execute_process(COMMAND ${GZIP} -9 -n -f ${OUTPUT} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        fail("${GZIP} failed on ${OUTPUT}")
    endif()
endif()
