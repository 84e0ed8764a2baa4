tesorin_add_test(NAME tst_balance SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_balance.cpp)
tesorin_add_test(NAME tst_principal_startup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_principal_startup.cpp GUI)
tesorin_add_test(NAME tst_principal_layout SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_principal_layout.cpp GUI)
tesorin_add_test(NAME tst_principal_view SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_principal_view.cpp GUI)
