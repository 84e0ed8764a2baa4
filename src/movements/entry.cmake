target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/movements/EntryAccounts.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/EntryAccounts.h
  ${CMAKE_SOURCE_DIR}/src/movements/EntryDirection.h
  ${CMAKE_SOURCE_DIR}/src/movements/LastAccountSetting.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/LastAccountSetting.h
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/movements/DatePicker.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/DatePicker.h
  ${CMAKE_SOURCE_DIR}/src/movements/MultiLineTextBox.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/MultiLineTextBox.h
  ${CMAKE_SOURCE_DIR}/src/movements/panNueIngreso.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/panNueIngreso.h
)
