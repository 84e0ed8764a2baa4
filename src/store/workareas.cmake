target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/store/WorkAreaCopy.cpp
  ${CMAKE_SOURCE_DIR}/src/store/WorkAreaName.cpp
  ${CMAKE_SOURCE_DIR}/src/store/WorkAreaSwitch.cpp
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/store/DialogPicture.cpp
  ${CMAKE_SOURCE_DIR}/src/store/panAbreBase.cpp
  ${CMAKE_SOURCE_DIR}/src/store/panAbreBase.h
  ${CMAKE_SOURCE_DIR}/src/store/panNueCaja.cpp
  ${CMAKE_SOURCE_DIR}/src/store/panNueCaja.h
  ${CMAKE_SOURCE_DIR}/src/store/panselCuenta.cpp
  ${CMAKE_SOURCE_DIR}/src/store/panselCuenta.h
)
target_sources(tesorin_ui PRIVATE ${CMAKE_SOURCE_DIR}/src/store/principalCajas.cpp)
