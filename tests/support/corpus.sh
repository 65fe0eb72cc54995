# The corpus of real drawings for the shell tests and scripts, found as the C++ tests find it
# (tests/support/Corpus.h): RIVEZ_CORPUS, else ../shared/corpus beside the sources.
# corpus_folder SOURCE_DIR prints the folder, or nothing when there is none; with
# RIVEZ_REQUIRE_CORPUS=1 a missing corpus is an error (status 1).
corpus_folder() {
  local folder=${RIVEZ_CORPUS:-$1/../shared/corpus}
  if [ -d "$folder" ]; then
    (cd "$folder" && pwd)
  elif [ "${RIVEZ_REQUIRE_CORPUS:-}" = 1 ]; then
    echo "no corpus of real drawings: set RIVEZ_CORPUS to a folder with dxf/ and plt/" \
      "(RIVEZ_REQUIRE_CORPUS=1)" >&2
    return 1
  fi
}
