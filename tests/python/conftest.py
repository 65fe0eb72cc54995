"""Where the tests find rivez, the examples and the corpus."""
import json
import os
import subprocess
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
EXAMPLES = ROOT / "examples"


def example_files():
    """(path, importer) of every example drawing."""
    return [(EXAMPLES / "bracket.dxf", "dxf"), (EXAMPLES / "gasket.dxf", "dxf"),
            (EXAMPLES / "die" / "carton.dxf", "die"), (EXAMPLES / "star.plt", "plt")]


NO_CORPUS = "no corpus of real drawings: set RIVEZ_CORPUS to a folder with dxf/ and plt/"


def corpus_dir():
    """As the C++ tests find it: RIVEZ_CORPUS, else ../shared/corpus beside the sources."""
    return Path(os.environ.get("RIVEZ_CORPUS") or ROOT.parent / "shared" / "corpus")


def corpus_files():
    """(path, importer) of every corpus drawing: DXF files by both DXF importers."""
    corpus = corpus_dir()
    if not corpus.is_dir():
        return []
    files = []
    for path in sorted((corpus / "dxf").rglob("*")):
        if path.is_file():
            files += [(path, "dxf"), (path, "die")]
    files += [(path, "plt") for path in sorted((corpus / "plt").rglob("*")) if path.is_file()
              and path.suffix.lower() not in (".md", ".tsv")]
    return files


@pytest.fixture(scope="session")
def corpus():
    files = corpus_files()
    if not files:
        if os.environ.get("RIVEZ_REQUIRE_CORPUS") == "1":
            pytest.fail(f"{NO_CORPUS} (RIVEZ_REQUIRE_CORPUS=1)")
        pytest.skip(NO_CORPUS)
    return files


@pytest.fixture(scope="session")
def rivez():
    """Runs rivez on several files of one importer; one parsed JSON object per file."""
    program = os.environ.get("RIVEZ", str(ROOT / "build" / "release" / "tools" / "rivez" / "rivez"))
    if not Path(program).is_file():
        pytest.skip(f"no rivez at {program}: set RIVEZ to the rivez program")

    def run(fmt, importer, paths, *options):
        out = subprocess.run([program, "--format", fmt, "--importer", importer, *options,
                              *map(str, paths)], check=True, capture_output=True).stdout
        lines = out.decode("utf-8").splitlines()
        assert len(lines) == len(paths)
        return [json.loads(line) for line in lines]

    return run
