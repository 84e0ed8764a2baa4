tesorin_add_test(NAME tst_dialect SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dialect.cpp)
tesorin_add_test(NAME tst_store_failures SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_store_failures.cpp)
tesorin_add_test(NAME tst_recordset SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_recordset.cpp)
