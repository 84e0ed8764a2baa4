target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/reports/AccountSums.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/ChartAccounts.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/AccountTotalsModel.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/AccountTotalsModel.h
  ${CMAKE_SOURCE_DIR}/src/reports/ChartFigures.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/ChartQueries.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/ChartTotals.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/DateRangeScan.cpp
)
