# Shared by the scripts that read the examples: builds rivez and lists the example drawings.
# Sourced, not run.

# Builds the Release rivez and sets $rivez to it.
build_rivez() {
  scripts/deps.sh
  cmake --preset release >/dev/null
  cmake --build --preset release --target rivez -j"$(nproc)" >/dev/null
  rivez=build/release/tools/rivez/rivez
}

# Calls the given command with each example drawing and then the importer options it needs.
# Die layouts live in examples/die/; every other file goes by its extension.
for_each_example() {
  find examples -type f \( -iname '*.dxf' -o -iname '*.plt' -o -iname '*.hpgl' \
    -o -iname '*.hgl' -o -iname '*.hpg' \) | sort | while read -r file; do
    case "$file" in
      examples/die/*) "$@" "$file" --importer die ;;
      *) "$@" "$file" ;;
    esac
  done
}
