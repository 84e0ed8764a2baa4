tesorin_add_test(NAME tst_editor_box_checks SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_editor_box_checks.cpp)
tesorin_add_test(NAME tst_occurrences SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_occurrences.cpp)
tesorin_add_test(NAME tst_schedule_posting SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_schedule_posting.cpp)
