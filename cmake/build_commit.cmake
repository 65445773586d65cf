# Run at every build (cmake -P): writes OUTPUT, a header naming the commit SOURCE_DIR is
# at, and rewrites it only when that changes, so that an unchanged tree recompiles nothing.
#   -DSOURCE_DIR=... -DOUTPUT=... [-DGIT=path of git]
set(commit "")
set(date "")
set(state "outside")
if(NOT GIT)
  find_program(GIT git)
endif()
if(NOT GIT)
  set(state "nogit")
else()
  execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} rev-parse --verify --quiet HEAD
    OUTPUT_VARIABLE commit RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(failed EQUAL 0 AND commit)
    set(state "clean")
    execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} log -1 --format=%cs HEAD
      OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    # Tracked files changed since the commit; files the build writes are untracked.
    execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} status --porcelain --untracked-files=no
      OUTPUT_VARIABLE changes OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(changes)
      set(state "changed")
    endif()
  else()
    set(commit "")
  endif()
endif()

set(text "// Written by cmake/build_commit.cmake at build time.
#define FABDOC_BUILD_COMMIT \"${commit}\"
#define FABDOC_BUILD_COMMIT_DATE \"${date}\"
#define FABDOC_BUILD_STATE \"${state}\"
")
set(old "")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()
