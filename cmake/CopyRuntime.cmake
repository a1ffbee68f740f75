cmake_minimum_required(VERSION 3.25)
# Copies the run-time folders (setting, i18n, macro) from SRC to DST; the skin pictures are
# rendered straight into DST by SkinPictures.cmake, so img/ (sources only) is not copied.
# The live files (apConfig.bin, p_Z4.bin and the macro library) are first-run copies: once the
# program has written its own, a rebuild must not overwrite the user's settings.
set(first_run_only "setting/apConfig.bin" "setting/p_Z4.bin")
foreach(folder setting i18n macro)
    if(NOT IS_DIRECTORY ${SRC}/${folder})
        continue()
    endif()
    file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/${folder}/*)
    foreach(f ${files})
        if(f MATCHES "^macro/" OR f IN_LIST first_run_only)
            if(EXISTS ${DST}/${f})
                continue()
            endif()
        endif()
        get_filename_component(dir ${DST}/${f} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
    endforeach()
endforeach()
