target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/movements/MovementSearch.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/MovementSearch.h
  ${CMAKE_SOURCE_DIR}/src/movements/ViewFilter.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/ViewFilter.h
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/movements/buscarMovimiento.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/buscarMovimiento.h
  ${CMAKE_SOURCE_DIR}/src/movements/filtrarDatos.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/filtrarDatos.h
  ${CMAKE_SOURCE_DIR}/src/movements/panBuscar.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/panBuscar.h
  ${CMAKE_SOURCE_DIR}/src/movements/panOpcVer.cpp
  ${CMAKE_SOURCE_DIR}/src/movements/panOpcVer.h
  ${CMAKE_SOURCE_DIR}/src/movements/principalVista.cpp
)
