tesorin_add_test(NAME tst_statement_readers SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_statement_readers.cpp)
target_compile_definitions(tst_statement_readers PRIVATE EXCHANGE_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")
