target_sources(tesorin_core PRIVATE
  ${CMAKE_SOURCE_DIR}/src/store/DataControl.cpp
  ${CMAKE_SOURCE_DIR}/src/store/DataControl.h
  ${CMAKE_SOURCE_DIR}/src/store/Database.cpp
  ${CMAKE_SOURCE_DIR}/src/store/Dialect.cpp
  ${CMAKE_SOURCE_DIR}/src/store/JetLike.cpp
  ${CMAKE_SOURCE_DIR}/src/store/Quote.cpp
  ${CMAKE_SOURCE_DIR}/src/store/Recordset.cpp
  ${CMAKE_SOURCE_DIR}/src/store/Schema.cpp
  ${CMAKE_SOURCE_DIR}/src/store/SqliteError.cpp
  ${CMAKE_SOURCE_DIR}/src/store/Statement.cpp
  ${CMAKE_SOURCE_DIR}/src/store/WorkAreaFolder.cpp
)
