tesorin_add_test(NAME tst_view_filter SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_view_filter.cpp)
tesorin_add_test(NAME tst_movement_search SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_movement_search.cpp)
tesorin_add_test(NAME tst_filter_search_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_filter_search_dialogs.cpp GUI)
tesorin_add_test(NAME tst_principal_filter_search SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_principal_filter_search.cpp GUI)
