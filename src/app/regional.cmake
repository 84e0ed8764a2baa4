target_sources(tesorin_core PRIVATE ${CMAKE_SOURCE_DIR}/src/app/Money.cpp ${CMAKE_SOURCE_DIR}/src/app/Regional.cpp)
