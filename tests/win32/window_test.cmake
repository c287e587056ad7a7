# The viewer's own window on a private X display, opened on a bundled page image: found by its
# caption, its client area checked against the designed size, a screenshot saved to
# <build>/artifacts/window.png. Windows builds only (it runs tsviewer.exe under Wine).
add_test(NAME tsviewer_window
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/window-test.sh $<TARGET_FILE:tsviewer>
                 ${CMAKE_SOURCE_DIR}/samples/page-news.jpg)
set_tests_properties(tsviewer_window PROPERTIES
    ENVIRONMENT "TS_BUILD_DIR=${CMAKE_BINARY_DIR}"
    TIMEOUT 180)

# The program end to end on a private X display: started on a page image, the Next button clicked
# twice (a plain JPEG passed over, the listing wrapped), closed, and the settings it stored read back.
add_test(NAME stepping_end_to_end
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/e2e-stepping.sh $<TARGET_FILE:tsviewer>
                 ${CMAKE_BINARY_DIR}/e2e-stepping)
set_tests_properties(stepping_end_to_end PROPERTIES TIMEOUT 180)
