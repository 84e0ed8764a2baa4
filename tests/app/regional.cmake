tesorin_add_test(NAME tst_money SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_money.cpp)
tesorin_add_test(NAME tst_regional SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_regional.cpp)
