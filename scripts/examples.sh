# Shared by the scripts that read the examples: builds rivez and lists the example drawings.
# Sourced, not run.

# Builds the Release rivez, without tests and benchmarks, and sets $rivez to it.
build_rivez() {
  scripts/deps.sh demo
  cmake --preset demo >/dev/null
  cmake --build --preset demo --target rivez -j"$(nproc)" >/dev/null
  rivez=build/demo/tools/rivez/rivez
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
