target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/schedule/EditorBoxChecks.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/Frequency.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/Occurrences.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/ScheduleGridCells.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/ScheduleListModel.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/ScheduleListModel.h
  ${CMAKE_SOURCE_DIR}/src/schedule/SchedulePosting.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/ScheduleRecord.cpp
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/schedule/BoxLeaveChecks.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/asentarProgramados.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/panConfigAuto.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/panConfigAuto.h
  ${CMAKE_SOURCE_DIR}/src/schedule/panPerMov.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/panPerMov.h
  ${CMAKE_SOURCE_DIR}/src/schedule/panProg.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/panProg.h
  ${CMAKE_SOURCE_DIR}/src/schedule/panProgPendientes.cpp
  ${CMAKE_SOURCE_DIR}/src/schedule/panProgPendientes.h
  ${CMAKE_SOURCE_DIR}/src/schedule/principalProgramas.cpp
)
