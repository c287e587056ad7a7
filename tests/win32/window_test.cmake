# The tests that share the build's X prefix (wineprefix-x11) take it in turn: each begins a Wine
# session of its own there and would end another's.

# The viewer's own window on a private X display, opened on a bundled page image: found by its
# caption, its client area checked against the designed size, a screenshot saved to
# <build>/artifacts/window.png, and the dialogs' captions (DialogWindows.*), at 96, 144 and 192 DPI.
# Windows builds only (it runs tsviewer.exe under Wine).
add_test(NAME tsviewer_window
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/window-test.sh $<TARGET_FILE:tsviewer>
                 ${CMAKE_SOURCE_DIR}/samples/page-news.jpg)
set_tests_properties(tsviewer_window PROPERTIES
    RESOURCE_LOCK wineprefix-x11
    ENVIRONMENT "TS_BUILD_DIR=${CMAKE_BINARY_DIR};TS_DIALOG_TEST=$<TARGET_FILE:tswintests>"
    TIMEOUT 180)

# The program end to end on a private X display: started on a page image, the Next button clicked
# twice (a plain JPEG passed over, the listing wrapped), closed, and the settings it stored read back.
add_test(NAME stepping_end_to_end
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/e2e-stepping.sh $<TARGET_FILE:tsviewer>
                 ${CMAKE_BINARY_DIR}/e2e-stepping)
set_tests_properties(stepping_end_to_end PROPERTIES TIMEOUT 180)

# Following the page's address end to end on a private X display, with our recorder as the
# ".html" handler: the go button and Shift+Click on a page whose address holds blanks, quotes and
# an option, with a folder named "dummy.html" in the temporary folder; the message when no browser
# is known, the user's own "dummy.html" left as it was; the about box, its link and a screenshot
# (<build>/artifacts/about.png).
add_test(NAME browser_end_to_end
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/e2e-browser.sh $<TARGET_FILE:tsviewer>
                 $<TARGET_FILE:recorder> $<TARGET_FILE:about_box> ${CMAKE_BINARY_DIR})
set_tests_properties(browser_end_to_end PROPERTIES
    RESOURCE_LOCK wineprefix-x11 TIMEOUT 180)

# Printing end to end on a private X display, to a PostScript printer whose output goes to a file:
# Cancel, a tall page image tiled, shrunk to one sheet at its printed size, Print to file with a
# long address wrapped, landscape chosen and remembered.
add_test(NAME print_end_to_end
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/e2e-print.sh $<TARGET_FILE:print_page>
                 $<TARGET_FILE:add_ps_printer> ${CMAKE_BINARY_DIR})
set_tests_properties(print_end_to_end PROPERTIES
    RESOURCE_LOCK wineprefix-x11 TIMEOUT 240)

# Every command from the keyboard on a private X display: paging, the wheel, stepping, the
# address bar kept across runs, the settings dialog, the about box, the Print dialog, and the help
# file (handed to our recorder as the ".chm" program, then shown in Wine's help viewer, with a
# screenshot in <build>/artifacts/help.png).
add_test(NAME keys_end_to_end
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/e2e-keys.sh $<TARGET_FILE:tsviewer>
                 $<TARGET_FILE:recorder> $<TARGET_FILE:add_ps_printer> ${CMAKE_BINARY_DIR})
set_tests_properties(keys_end_to_end PROPERTIES
    RESOURCE_LOCK wineprefix-x11 TIMEOUT 240)
