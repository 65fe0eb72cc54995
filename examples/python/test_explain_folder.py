"""The Dask example over the examples folder, on the local scheduler's processes."""
import os
from pathlib import Path

import rivezozer

import explain_folder

HERE = Path(__file__).resolve().parent


def test_a_row_per_drawing_with_what_explain_says(monkeypatch):
    # The local scheduler's worker processes import this example by name, as the test did.
    monkeypatch.setenv("PYTHONPATH", os.pathsep.join(
        [str(HERE), str(Path(rivezozer.__file__).parents[1]), os.environ.get("PYTHONPATH", "")]))
    examples = HERE.parent
    table = explain_folder.explain_folder(examples)
    assert sorted(table["file"]) == explain_folder.drawings(examples)
    gasket = table[table["file"].str.endswith("gasket.dxf")].iloc[0]
    expected = rivezozer.explain(str(examples / "gasket.dxf"))
    assert (gasket["result"], gasket["open"]) == (expected["result"],
                                                  len(expected["contours"]["open"]))
    assert gasket["kept"] == len(rivezozer.read(examples / "gasket.dxf").shapes)
