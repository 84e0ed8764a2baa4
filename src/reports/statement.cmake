# The account statement: its selection formula, layout file and pages (core).
target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/reports/ReportError.h
  ${CMAKE_SOURCE_DIR}/src/reports/SelectionFormula.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementFormula.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementGeometry.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementLayout.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementPage.h
  ${CMAKE_SOURCE_DIR}/src/reports/StatementReport.cpp
)

# The statement on screen, on paper and in PDF (forms).
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/reports/ReportControl.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementCanvas.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementOutput.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementPainter.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementPdfWriter.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementPreview.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/StatementPreview.h
  ${CMAKE_SOURCE_DIR}/src/reports/TrueTypeSubset.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/imprimeInforme.cpp
  ${CMAKE_SOURCE_DIR}/src/reports/principalEstadoDeCuenta.cpp
)
