# cmake --install: the program, the simulated unit beside it (which
# `alarmcfg --simulate` starts), a desktop entry and its icon.
include(GNUInstallDirs)
install(TARGETS alarmcfg RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(UNIX)
    # Defined in tools/, which is read after this directory.
    install(PROGRAMS $<TARGET_FILE:alarmcfg-unit> DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES alarmcfg.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES alarmcfg.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
