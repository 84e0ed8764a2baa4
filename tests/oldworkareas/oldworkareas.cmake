tesorin_add_test(NAME tst_old_work_area_conversion
                 SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_old_work_area_conversion.cpp)
target_compile_definitions(tst_old_work_area_conversion PRIVATE
                           TESORIN_OLD_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")
tesorin_add_test(NAME tst_old_work_area_offer
                 SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_old_work_area_offer.cpp GUI)
target_compile_definitions(tst_old_work_area_offer PRIVATE
                           TESORIN_OLD_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")
