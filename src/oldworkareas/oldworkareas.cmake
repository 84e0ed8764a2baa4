find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBMDB REQUIRED IMPORTED_TARGET libmdb)
target_link_libraries(tesorin_core PRIVATE PkgConfig::LIBMDB)
target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/ConversionProgress.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/ConversionReport.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/ConversionReport.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/ConvertCommand.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/ConvertCommand.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/JetFile.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/JetFile.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/OldFile.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/OldFile.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/OldValues.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/OldValues.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/OldWorkAreaConversion.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/OldWorkAreaConversion.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/TableCopy.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/core/TableCopy.h
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/ConversionProgressDialog.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/ConversionProgressDialog.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/ConversionQuestion.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/ConversionQuestion.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/ConversionReportDialog.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/ConversionReportDialog.h
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/OldWorkAreaOffer.cpp
  ${CMAKE_SOURCE_DIR}/src/oldworkareas/ui/OldWorkAreaOffer.h
)
