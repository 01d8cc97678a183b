# Each layer includes only the layers beneath it: the core sees Qt Core alone, the renderer the
# core, the command line the core and the renderer; only windows see windows. The windows'
# folders likewise include only the folders their libraries link.
set(failures "")

# Checks every file under folder: an include "prefix<name>/..." must name one of allowed.
function(check_includes folder prefix allowed)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/src/${folder}/*.h" "${SOURCE_DIR}/src/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line IN LISTS includes)
            if(line MATCHES "\"${prefix}([a-z]+)/" AND NOT CMAKE_MATCH_1 MATCHES "^(${allowed})$")
                list(APPEND failures "${source}: ${line}")
            elseif(folder STREQUAL "core" AND line MATCHES "<Qt(Gui|Widgets)|<Q(Widget|Painter|Font|Color|Image)")
                list(APPEND failures "${source}: ${line}")
            endif()
        endforeach()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_includes(core "" "core")
check_includes(render "" "core|render")
check_includes(cli "" "core|render|cli")
check_includes(ui/common "ui/" "common")
check_includes(ui/printing "ui/" "common|printing")
check_includes(ui/graph "ui/" "common|printing|graph")
check_includes(ui/help "ui/" "common|printing|help")
check_includes(ui/mortgage "ui/" "common|printing|graph|mortgage")
check_includes(ui/savings "ui/" "common|printing|graph|savings")
check_includes(ui/budget "ui/" "common|printing|budget")

if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "Includes across layers:\n${report}")
endif()
