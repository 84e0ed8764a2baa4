tesorin_add_test(NAME tst_movement_rows SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_movement_rows.cpp)
tesorin_add_test(NAME tst_movement_operations SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_movement_operations.cpp GUI)
