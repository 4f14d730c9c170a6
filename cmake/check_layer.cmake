cmake_policy(SET CMP0057 NEW)
# Run by the build (cmake -P) for one layer: fails when a source of the layer
# includes a header the layer may not see, so a wrong arrow stops the build.
#   LAYER     the layer's name, for the message
#   SOURCES   the layer's files, separated by "|"
#   ALLOWED   include prefixes the layer may use in quotes, separated by "|"
#   EXCEPT    files (by name) allowed anything, separated by "|" (optional)
#   STAMP     the file written when everything is in order
string(REPLACE "|" ";" sources "${SOURCES}")
string(REPLACE "|" ";" allowed "${ALLOWED}")
string(REPLACE "|" ";" excepted "${EXCEPT}")
# The headers of the C++20 standard library, and of the C standard library
# in both spellings: everything the core may include in angle brackets.
set(standard_headers
  algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex concepts
  condition_variable coroutine deque exception execution filesystem format forward_list fstream
  functional future initializer_list iomanip ios iosfwd iostream istream iterator latch limits list
  locale map memory memory_resource mutex new numbers numeric optional ostream queue random ranges
  ratio regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
  stdexcept stop_token streambuf string string_view syncstream system_error thread tuple type_traits
  typeindex typeinfo unordered_map unordered_set utility valarray variant vector version)
foreach(c assert ctype errno fenv float inttypes iso646 limits locale math setjmp signal stdarg stddef
        stdint stdio stdlib string time uchar wchar wctype)
  list(APPEND standard_headers c${c} ${c}.h)
endforeach()
set(problems "")
foreach(source IN LISTS sources)
  get_filename_component(name "${source}" NAME)
  if(name IN_LIST excepted)
    continue()
  endif()
  file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      # Only the portable core is refused the platform: it sees the C++ and
      # C standard libraries and nothing else, neither Win32 nor POSIX.
      if(LAYER STREQUAL "core" AND NOT CMAKE_MATCH_1 IN_LIST standard_headers)
        string(APPEND problems "\n  ${source}: ${line}")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(header "${CMAKE_MATCH_1}")
      set(ok FALSE)
      foreach(prefix IN LISTS allowed)
        string(FIND "${header}" "${prefix}" at)
        if(at EQUAL 0)
          set(ok TRUE)
        endif()
      endforeach()
      if(NOT ok)
        string(APPEND problems "\n  ${source}: ${line}")
      endif()
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "The ${LAYER} layer includes what it may not see:${problems}")
endif()
file(WRITE "${STAMP}" "")
