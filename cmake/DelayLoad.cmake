# Delay-loaded DLLs for mingw-w64: the DLLs that only commands use (the common
# dialogs, the spooler, the shell) are loaded at their first call instead of
# before the window's first paint. GNU ld has no /DELAYLOAD, so each DLL gets
# a delay-import library made by dlltool from the names its import library
# exports (functions only are called through it), linked ahead of the usual
# import library, and mingw's __delayLoadHelper2 (libdelayimp) loads it.
#
#   ts_delay_load(TARGET comdlg32.dll winspool.drv ...)

function(ts_delay_load target)
    find_program(TS_DLLTOOL NAMES "${TS_MINGW_TRIPLET}-dlltool" REQUIRED)
    find_program(TS_NM NAMES "${TS_MINGW_TRIPLET}-nm" REQUIRED)
    set(delay_dir ${CMAKE_BINARY_DIR}/delayload)
    file(MAKE_DIRECTORY ${delay_dir})
    set(libraries "")
    set(kill_at "")
    if(TS_MINGW_TRIPLET MATCHES "^i686")
        set(kill_at --kill-at)
    endif()
    foreach(dll IN LISTS ARGN)
        get_filename_component(name ${dll} NAME_WE)
        string(TOLOWER ${name} name)
        find_file(import_lib_${name} NAMES lib${name}.a
                  PATHS /usr/${TS_MINGW_TRIPLET}/lib NO_DEFAULT_PATH REQUIRED)
        execute_process(COMMAND ${TS_NM} ${import_lib_${name}}
                        OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
        # "__imp_Name" (x64) or "__imp__Name@n" (i686, stdcall).
        string(REGEX MATCHALL "I __imp__?[A-Za-z0-9_@?$]+" imports "${symbols}")
        set(def "LIBRARY ${dll}\nEXPORTS\n")
        foreach(import IN LISTS imports)
            string(REGEX REPLACE "^I __imp_" "" export "${import}")
            if(TS_MINGW_TRIPLET MATCHES "^i686")
                string(REGEX REPLACE "^_" "" export "${export}")
            endif()
            string(APPEND def "${export}\n")
        endforeach()
        file(WRITE ${delay_dir}/${name}.def "${def}")
        set(delay_lib ${delay_dir}/lib${name}_delay.a)
        add_custom_command(OUTPUT ${delay_lib}
            COMMAND ${TS_DLLTOOL} --input-def ${delay_dir}/${name}.def --dllname ${dll}
                    --output-delaylib ${delay_lib} ${kill_at}
            DEPENDS ${delay_dir}/${name}.def
            COMMENT "delay-import library for ${dll}")
        list(APPEND libraries ${delay_lib})
    endforeach()
    add_custom_target(${target}_delayload DEPENDS ${libraries})
    add_dependencies(${target} ${target}_delayload)
    target_link_libraries(${target} PRIVATE ${libraries} delayimp)
endfunction()
