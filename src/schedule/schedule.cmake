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
