target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/reports/BarChartView.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/BarChartView.h
  ${CMAKE_SOURCE_DIR}/src/reports/CalendarPicks.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/CalendarPicks.h
  ${CMAKE_SOURCE_DIR}/src/reports/ChartFormParts.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/FormPicturePrinting.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/LabelButton.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/LabelButton.h
  ${CMAKE_SOURCE_DIR}/src/reports/panInfGra.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/panInfGra.h
  ${CMAKE_SOURCE_DIR}/src/reports/panMensGra.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/panMensGra.h
  ${CMAKE_SOURCE_DIR}/src/reports/panSumas.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/panSumas.h
  ${CMAKE_SOURCE_DIR}/src/reports/principalInformes.cpp
)
