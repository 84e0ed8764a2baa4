tesorin_add_test(NAME tst_account_sums SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_account_sums.cpp)
tesorin_add_test(NAME tst_chart_figures SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_chart_figures.cpp)
