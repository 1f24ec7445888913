# The desktop program's own sources, added to the alarmcfg executable.
set(ALARMCFG_GUI_SOURCES
    gui.cpp
    simulated_units.h simulated_units.cpp
)
if(UNIX)
    # `alarmcfg --simulate` run from the build tree finds the simulated unit here.
    set_source_files_properties(gui.cpp PROPERTIES
        COMPILE_DEFINITIONS ALARMCFG_UNIT_BUILD_PATH="$<TARGET_FILE:alarmcfg-unit>")
endif()
