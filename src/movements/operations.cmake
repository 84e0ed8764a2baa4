target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/movements/MovementRows.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/MovementRows.h
  ${CMAKE_SOURCE_DIR}/src/movements/ViewPosition.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/ViewPosition.h
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/movements/MovementGridEvents.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/MovementGridEvents.h
  ${CMAKE_SOURCE_DIR}/src/movements/principalMovimientos.cpp
)
