tesorin_add_test(NAME tst_chart_of_accounts SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chart_of_accounts.cpp)
tesorin_add_test(NAME tst_panCuentas SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_panCuentas.cpp GUI)
