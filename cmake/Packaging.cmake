# The Debian package: the install above under /usr, plus the AppStream metadata, built by
# `cpack` in the build folder (`make package`). `lintian --pedantic` reports no error, warning or
# pedantic tag on it (the package test holds it to that); what it says with --display-info and
# --display-experimental is left, for these reasons:
#   I: hardening-no-fortify-functions, for the program and its speech helper: both are built
#      with _FORTIFY_SOURCE=2, but in each of their calls to a buffer function the compiler
#      either proves the size safe or cannot know the buffer's size; neither call gets a checked
#      variant, so lintian finds none to count.
#   I: package-contains-documentation-outside-usr-share-doc, for school.txt, house.txt and
#      animals.txt: they are not documents but the built-in vocabularies the game reads, named
#      as its vocabulary files are.
#   X: executable-in-usr-lib (an experimental tag that would have them in /usr/libexec): the
#      program and its helper lie in the program folder /usr/lib/games/pindrel, where Debian's
#      games keep their own architecture-dependent files, and /usr/games/pindrel links to it.

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/org.pindrel.pindrel.metainfo.xml
  DESTINATION share/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pindrel)
set(CPACK_PACKAGE_VENDOR "Pindrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English vocabulary game for Thai-speaking learners")
set(CPACK_PACKAGE_DESCRIPTION [[
A hidden English word stands as a row of empty boxes; the learner guesses
its letters and may take two hints, one in English and one in Thai. Every
lost word goes to a list of difficult words with its Thai meaning and an
example sentence. Three vocabularies come with the game, and a built-in
editor makes more.]])
# The DEB generator stages through DESTDIR, so CMAKE_INSTALL_PREFIX stays /usr during the
# install and the menu entry's Exec line names /usr/games/pindrel, not the staging folder.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pindrel developers <pindrel@pindrel.org>")
# A game, started from /usr/games; its menu entry's main category is Game.
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time, which dpkg-shlibdeps cannot see in the binary: the platform
# plugins, libthai for breaking Thai text, the speech engine, and the fonts the program maps
# the Windows font names to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libthai0, qt6-speech-flite-plugin, fonts-thai-tlwg, fonts-dejavu-core")

include(CPack)
