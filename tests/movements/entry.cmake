tesorin_add_test(NAME tst_entry_accounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_entry_accounts.cpp)
tesorin_add_test(NAME tst_panNueIngreso SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_panNueIngreso.cpp GUI)
