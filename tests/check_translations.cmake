# Fails when a text a person reads has no finished translation: lupdate runs
# over each translated target's sources (the project files qt_add_lupdate
# wrote into PROJECTS) into copies of their .ts files in WORK, and any message
# left unfinished there, a text new to the .ts file included, is named.
#
#   cmake -DLUPDATE=<lupdate> -DPROJECTS=<folder> -DWORK=<folder> -P check_translations.cmake
file(GLOB projects "${PROJECTS}/*_project.cmake")
if(NOT projects)
    message(FATAL_ERROR "no lupdate project files in ${PROJECTS}")
endif()
file(REMOVE_RECURSE "${WORK}")
set(untranslated "")
foreach(project IN LISTS projects)
    include("${project}")  # lupdate_sources, lupdate_include_paths, lupdate_translations
    foreach(ts IN LISTS lupdate_translations)
        get_filename_component(name "${ts}" NAME)
        file(COPY "${ts}" DESTINATION "${WORK}")
        set(copy "${WORK}/${name}")
        list(TRANSFORM lupdate_include_paths PREPEND "-I" OUTPUT_VARIABLE includes)
        execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none ${includes} ${lupdate_sources}
                                -ts "${copy}"
                        RESULT_VARIABLE failed ERROR_VARIABLE errors)
        if(failed)
            message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
        endif()
        file(READ "${copy}" content)
        string(REPLACE ";" "," content "${content}")  # a CMake list separator: only names the texts below
        string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\""
               unfinished "${content}")
        string(REGEX MATCHALL "type=\"unfinished\"" marks "${content}")
        list(LENGTH marks count)
        if(count GREATER 0)
            string(APPEND untranslated "${name}: ${count} text(s) without a finished translation:\n")
            foreach(message IN LISTS unfinished)
                string(REGEX REPLACE "^<source>([^<]*)</source>.*" "  \\1\n" text "${message}")
                string(APPEND untranslated "${text}")
            endforeach()
        endif()
    endforeach()
endforeach()
if(untranslated)
    message(FATAL_ERROR "${untranslated}Translate them in the .ts files (cmake --build <build> --target update_translations adds new ones).")
endif()
