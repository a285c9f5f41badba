# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# The Debian package: CPack's DEB generator over the same install rules a developer
# runs with cmake --install. Everything that names the version takes it from project().

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KAVELO_MAINTAINER}")
set(CPACK_PACKAGE_VENDOR "${KAVELO_DEVELOPER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KAVELO_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the executables link come from dpkg-shlibdeps. What no link shows:
# the Mincho faces the screens are drawn in (by name, through fontconfig). The Qt
# plugins it loads, the X11 platform and the GIF, ICO and JPEG readers, ship in
# libqt6gui6 on Debian 12, which the links already require; QSoundEffect loads no
# multimedia plugin but plays through libpulse0, which libqt6multimedia6 requires.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho")
# Without a sound server the drill stays silent but works; without Qt's translations the
# editor's folder and print dialogs (Qt's own) are in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-translations-l10n")

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "organic chemistry drill with benzene derivatives")
# CPack indents the lines and turns the empty ones into the control file's " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Kavelo is a drill program in organic chemistry for Japanese-speaking
learners. It asks for a benzene derivative by name (toluene, salicylic
acid, 2,4,6-trinitrotoluene, ...); the learner builds its structure by
dragging functional groups from a palette of twenty onto the six
positions of a benzene ring. Any rotation or mirror image of the answer
counts; right answers earn points, five in a row a bonus, and 10000
points the medal.

A family chart shows 24 compounds and the reactions that make them from
benzene; clicking a compound shows its name and structure.

The questions, names, pictures and sounds are plain files beside the
program in /usr/lib/kavelo, which teachers can replace; kavelo-check
reports every problem in them in one run. The screens are in Japanese.]=])

include(CPack)
