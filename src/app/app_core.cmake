target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/app/BalancePanel.cpp
  ${CMAKE_SOURCE_DIR}/src/app/HoverBevels.cpp
  ${CMAKE_SOURCE_DIR}/src/app/MovementsModel.cpp
  ${CMAKE_SOURCE_DIR}/src/app/MovementsModel.h
  ${CMAKE_SOURCE_DIR}/src/app/ProgramState.h
  ${CMAKE_SOURCE_DIR}/src/app/Workspace.cpp
)
