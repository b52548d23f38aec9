# libyaml, built from the source scripts/fetch-libyaml.sh fetches into the
# build folder (nothing of it lives in the repository), as the static library
# `nibblor_yaml` for whichever compiler this tree uses.
set(NIBBLOR_LIBYAML_DEFAULT ${CMAKE_BINARY_DIR}/../libyaml/source)
if(NOT EXISTS ${NIBBLOR_LIBYAML_DEFAULT}/include/yaml.h)
  set(NIBBLOR_LIBYAML_DEFAULT ${PROJECT_SOURCE_DIR}/build/libyaml/source)
endif()
set(NIBBLOR_LIBYAML_SOURCE ${NIBBLOR_LIBYAML_DEFAULT} CACHE PATH
  "libyaml's source tree (scripts/fetch-libyaml.sh fetches it)")

if(NOT EXISTS ${NIBBLOR_LIBYAML_SOURCE}/include/yaml.h OR
   NOT EXISTS ${NIBBLOR_LIBYAML_SOURCE}/src/parser.c)
  message(FATAL_ERROR
    "libyaml's source is not at '${NIBBLOR_LIBYAML_SOURCE}'. Fetch it with "
    "scripts/fetch-libyaml.sh <build folder> (scripts/install-deps.sh does), or "
    "point NIBBLOR_LIBYAML_SOURCE at an unpacked libyaml 0.2 source tree.")
endif()

if(NOT TARGET nibblor_yaml)
  add_library(nibblor_yaml STATIC
    ${NIBBLOR_LIBYAML_SOURCE}/src/api.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/loader.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/parser.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/reader.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/scanner.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/dumper.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/emitter.c
    ${NIBBLOR_LIBYAML_SOURCE}/src/writer.c)
  # Third-party code: its own warnings are not ours to fix, so the system
  # include marks its header and the library builds without -Werror.
  target_include_directories(nibblor_yaml SYSTEM PUBLIC ${NIBBLOR_LIBYAML_SOURCE}/include)
  target_compile_definitions(nibblor_yaml
    PUBLIC YAML_DECLARE_STATIC
    PRIVATE YAML_VERSION_MAJOR=0 YAML_VERSION_MINOR=2 YAML_VERSION_PATCH=5
            YAML_VERSION_STRING="0.2.5")
  set_target_properties(nibblor_yaml PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_compile_options(nibblor_yaml PRIVATE -w)
endif()
