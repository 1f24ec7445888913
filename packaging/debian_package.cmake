# CPack settings of the Debian package (scripts/package.sh builds it).

# The package's version comes from project(); its changelog must name it first.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^alarmcfg \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the first entry must be for version ${PROJECT_VERSION}, "
                        "the project's version")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME alarmcfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "alarmcfg maintainers <maintainers@users.noreply.c-seed-e8302e3c.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings tool for the TQ18/TQ18G GSM car alarm")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "alarmcfg writes the settings of a TQ18/TQ18G GSM car-alarm unit over a serial
cable: the six phones allowed to control it, the SMS pass phrases, the alarm
SMS text with its recipients and call numbers, the alarm mode, the ring-tone
switch and the messages of ten wireless sensors. Each field keeps its last
value between runs.

It opens two settings pages with Simplified Chinese captions, or writes a page
from the command line. The package also holds alarmcfg-unit, a simulated alarm
unit on a pseudo-terminal for trying the tool without hardware, and a udev rule
that gives the desktop user access to common USB serial adapters.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The captions are Simplified Chinese: without such a font they are boxes.
# Qt's own texts (buttons, file dialogs) are in Chinese with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

include(CPack)
