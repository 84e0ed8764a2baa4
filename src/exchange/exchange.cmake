find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBOFX REQUIRED IMPORTED_TARGET libofx)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
target_link_libraries(tesorin_core PUBLIC PkgConfig::LIBOFX PkgConfig::XLSXWRITER)

target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/exchange/core/AmountReading.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/AmountReading.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ColumnMapping.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ColumnMapping.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/CsvTable.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/CsvTable.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/DateReading.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/DateReading.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/MappingMemory.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/MappingMemory.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ImportedIds.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ImportedIds.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ImportPlan.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ImportPlan.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExportWriters.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExportWriters.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExportName.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExportName.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExportRows.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExportRows.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ExchangeError.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/ImportRow.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/OfxReader.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/OfxReader.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/QifReader.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/QifReader.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/StatementFile.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/StatementFile.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/StatementImport.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/StatementImport.h
  ${CMAKE_SOURCE_DIR}/src/exchange/core/TextDecoding.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/core/TextDecoding.h
)

target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/exchange/ui/ExportOperation.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/ui/ExportOperation.h
  ${CMAKE_SOURCE_DIR}/src/exchange/ui/ImportDialog.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/ui/ImportDialog.h
  ${CMAKE_SOURCE_DIR}/src/exchange/ui/NewAccountsDialog.cpp
  ${CMAKE_SOURCE_DIR}/src/exchange/ui/NewAccountsDialog.h
)
