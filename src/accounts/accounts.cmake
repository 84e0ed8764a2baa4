target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/accounts/AccountTypes.cpp
  ${CMAKE_SOURCE_DIR}/src/accounts/AccountTypes.h
  ${CMAKE_SOURCE_DIR}/src/accounts/ChartOfAccounts.cpp
  ${CMAKE_SOURCE_DIR}/src/accounts/ChartOfAccounts.h
)
target_sources(tesorin_ui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/accounts/panCuentas.cpp
  ${CMAKE_SOURCE_DIR}/src/accounts/panCuentas.h
  ${CMAKE_SOURCE_DIR}/src/accounts/panNueCue.cpp
  ${CMAKE_SOURCE_DIR}/src/accounts/panNueCue.h
  ${CMAKE_SOURCE_DIR}/src/accounts/principalCuentas.cpp
)
