# The game's core library: every module under src/ with the libraries it links.
# The game's build and the fuzz build (a clang project of its own) both make it
# here, so the two never disagree on sources or libraries.
get_filename_component(ROTWALK_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

find_package(SDL REQUIRED)
if(NOT WIN32)   # the Windows build decodes its pictures with LodePNG
  find_package(SDL_image REQUIRED)
endif()
find_package(SDL_mixer REQUIRED)
find_package(ZLIB REQUIRED)
find_path(LODEPNG_INCLUDE_DIR lodepng.h REQUIRED)
find_library(LODEPNG_LIBRARY lodepng REQUIRED)
if(WIN32)
  # The static SDL_mixer's Ogg Vorbis decoder, then what SDL calls in Windows itself.
  find_library(VORBISFILE_LIBRARY vorbisfile REQUIRED)
  find_library(VORBIS_LIBRARY vorbis REQUIRED)
  find_library(OGG_LIBRARY ogg REQUIRED)
  set(ROTWALK_WINDOWS_LIBRARIES ${VORBISFILE_LIBRARY} ${VORBIS_LIBRARY} ${OGG_LIBRARY}
    user32 gdi32 winmm)
endif()

# add_core_library(name [extra sources...])
function(add_core_library name)
  # The floors, and on top of them the frame loop beside the entry point, which stays out.
  file(GLOB sources CONFIGURE_DEPENDS ${ROTWALK_ROOT}/src/app/*.cpp ${ROTWALK_ROOT}/src/game/*.cpp
    ${ROTWALK_ROOT}/src/maps/*.cpp ${ROTWALK_ROOT}/src/ui/*.cpp ${ROTWALK_ROOT}/src/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/src/main\\.cpp$")
  add_library(${name} STATIC ${sources} ${ARGN})
  target_include_directories(${name} PUBLIC ${ROTWALK_ROOT}/src)
  target_include_directories(${name} SYSTEM PUBLIC
    ${SDL_INCLUDE_DIR} ${SDL_IMAGE_INCLUDE_DIRS} ${SDL_MIXER_INCLUDE_DIRS} ${LODEPNG_INCLUDE_DIR})
  target_link_libraries(${name} PUBLIC
    ${SDL_MIXER_LIBRARIES} ${SDL_IMAGE_LIBRARIES} ${SDL_LIBRARY} ${LODEPNG_LIBRARY} ZLIB::ZLIB m)
  if(WIN32)
    target_link_libraries(${name} PUBLIC ${ROTWALK_WINDOWS_LIBRARIES})
    # MinGW's localtime_r (over Windows' localtime_s) and M_PI in strict C++17.
    target_compile_definitions(${name} PUBLIC _POSIX_THREAD_SAFE_FUNCTIONS _USE_MATH_DEFINES)
  endif()
endfunction()
