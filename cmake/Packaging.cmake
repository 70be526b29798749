# The Debian package (cpack -G DEB; scripts/package builds it): what "cmake --install"
# installs, plus the copyright file and the changelog that Debian asks of every package.

set(BRIVANE_MAINTAINER "Brivane <brivane@brivane.invalid>" CACHE STRING
    "The Debian package's maintainer, \"Name <address>\"")
set(BRIVANE_COPYRIGHT "2026 Brivane developers" CACHE STRING
    "The copyright line of the Debian package's copyright file")
set(BRIVANE_LICENSE "all-rights-reserved" CACHE STRING
    "The licence's short name in the Debian package's copyright file; its text is LICENSE")

# Dates (copyright file, changelog, manual page) follow SOURCE_DATE_EPOCH when set.
set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/brivane)

# The licence's text: LICENSE when the sources have one, else a plain statement.
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
else()
    set(license_text "No licence has been granted yet: all rights are reserved by the authors.")
endif()
# A copyright paragraph's continuation lines: one space in front, "." for a blank line.
string(STRIP "${license_text}" license_text)
while(license_text MATCHES "\n[ \t]*\n")
    string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" license_text "${license_text}")
endwhile()
string(REPLACE "\n" "\n " license_text "${license_text}")
file(WRITE ${packaging_dir}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Brivane
Upstream-Contact: ${BRIVANE_MAINTAINER}

Files: *
Copyright: ${BRIVANE_COPYRIGHT}
License: ${BRIVANE_LICENSE}
 ${license_text}
")

# A Debian changelog with the one entry of this version, gzipped as Debian wants it.
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${packaging_dir}/changelog
"brivane (${PROJECT_VERSION}) unstable; urgency=medium

  * Brivane ${PROJECT_VERSION}.

 -- ${BRIVANE_MAINTAINER}  ${changelog_date}
")
find_program(BRIVANE_GZIP gzip)
if(BRIVANE_GZIP)
    execute_process(COMMAND ${BRIVANE_GZIP} -9 -n -f ${packaging_dir}/changelog)
    install(FILES ${packaging_dir}/changelog.gz DESTINATION ${doc_dir})
endif()
install(FILES ${packaging_dir}/copyright DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brivane)
set(CPACK_PACKAGE_VENDOR Brivane)
set(CPACK_PACKAGE_CONTACT ${BRIVANE_MAINTAINER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRIVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries' packages, found by dpkg-shlibdeps; then what the program
# loads by name: Qt's French texts (qtbase_fr.qm, read from Qt's own translations
# folder) and the condensed face the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-urw-base35")
# The desktop databases are refreshed by the file triggers of shared-mime-info,
# desktop-file-utils and the icon cache: the package needs no scripts of its own.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"picture converter for TI-89/92 Plus calculators (images pour TI-89/92+)
Brivane turns a picture (BMP, JPEG, GIF, icon, PNG) into a calculator picture
variable file (.89i) for the TI-89 and TI-92 Plus: it fits the picture into at
most 160 x 100 pixels, makes it black and white (threshold or dithering), lets
you retouch it and saves it. It reads .89i files back and converts from the
command line too (brivane convertir). Its interface is in French.
.
Brivane transforme une image (BMP, JPEG, GIF, icône, PNG) en fichier de
variable image (.89i) pour les calculatrices TI-89 et TI-92 Plus : il
l'ajuste à 160 x 100 pixels au plus, la passe en noir et blanc (seuil ou
tramage), permet de la retoucher et l'enregistre. Il relit les fichiers .89i
et convertit aussi en ligne de commande (brivane convertir).")

include(CPack)
