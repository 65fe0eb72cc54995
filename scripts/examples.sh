# Shared by the scripts that read the examples: builds rivez and lists the example drawings.
# Sourced, not run.

# Builds the Release rivez and sets $rivez to it.
build_rivez() {
  scripts/deps.sh
  cmake --preset release >/dev/null
  cmake --build --preset release --target rivez -j"$(nproc)" >/dev/null
  rivez=build/release/tools/rivez/rivez
}

# Prints each example drawing with the importer option it needs, one per line:
# "FILE" or "FILE die". Die layouts live in examples/die/; every other file goes by extension.
example_drawings() {
  find examples -type f \( -iname '*.dxf' -o -iname '*.plt' -o -iname '*.hpgl' \
    -o -iname '*.hgl' -o -iname '*.hpg' \) | sort | while read -r file; do
    case "$file" in
      examples/die/*) echo "$file die" ;;
      *) echo "$file" ;;
    esac
  done
}
