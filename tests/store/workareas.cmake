tesorin_add_test(NAME tst_workareas SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_workareas.cpp)
tesorin_add_test(NAME tst_workarea_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_workarea_dialogs.cpp GUI)
tesorin_add_test(NAME tst_principal_cajas SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_principal_cajas.cpp GUI)
