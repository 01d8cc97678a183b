# Most of a window file's compile time is spent parsing the headers of Qt Widgets, the same
# ones in nearly every file. The window folders and the program parse them once per build:
# they share what the common folder precompiles. (A launcher cache such as ccache needs
# `sloppiness = pch_defines,time_macros` to cache these builds; or configure with
# -DPENNYWELL_PRECOMPILED_HEADERS=OFF.)
option(PENNYWELL_PRECOMPILED_HEADERS "Parse the common Qt Widgets headers once per build" ON)

# The headers the windows include most.
set(PENNYWELL_WINDOW_HEADERS
    <QApplication> <QComboBox> <QDialog> <QKeyEvent> <QLabel> <QLineEdit> <QPushButton>
    <QTableView> <QTimer> <QWidget> <QString> <functional> <memory> <optional>)

# Gives a window folder or the program the headers the common window folder precompiles.
function(pennywell_window_headers target)
    if(NOT PENNYWELL_PRECOMPILED_HEADERS)
        return()
    endif()
    if(target STREQUAL "pennywell_ui_common")
        target_precompile_headers(${target} PRIVATE ${PENNYWELL_WINDOW_HEADERS})
    else()
        target_precompile_headers(${target} REUSE_FROM pennywell_ui_common)
    endif()
endfunction()
