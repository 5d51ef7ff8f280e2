# install_test.cmake -- the install test: installs this build into a scratch root, validates it and plays it
add_test(NAME install
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(install PROPERTIES
  TIMEOUT 300
  ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
