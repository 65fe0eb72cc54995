"""Errors as a Python user expects them; a read that breaks off is a result, not an error."""
import pytest
import rivezozer

from conftest import EXAMPLES

BRACKET = EXAMPLES / "bracket.dxf"


def test_files_that_cannot_be_opened_raise_os_errors(tmp_path):
    with pytest.raises(FileNotFoundError):
        rivezozer.read(tmp_path / "missing.dxf")
    with pytest.raises(FileNotFoundError):
        rivezozer.explain(tmp_path / "missing.plt")
    (tmp_path / "folder.dxf").mkdir()
    with pytest.raises(IsADirectoryError):
        rivezozer.read(tmp_path / "folder.dxf")


@pytest.mark.parametrize("call", [
    lambda: rivezozer.read(BRACKET, "dwg"),
    lambda: rivezozer.read(EXAMPLES / "host" / "main.cpp"),
    lambda: rivezozer.read(BRACKET, dxf_scale=(1, 2, 3)),
    lambda: rivezozer.read(BRACKET, dxf_scale="wide"),
    lambda: rivezozer.read(EXAMPLES / "star.plt", dxf_steps=True),
    lambda: rivezozer.read(EXAMPLES / "star.plt", unit_mode=2),
    lambda: rivezozer.read(BRACKET).contours(gap_tolerance=-1),
    lambda: rivezozer.read(BRACKET).contours(gap_tolerance=float("inf")),
    lambda: rivezozer.explain(BRACKET, gap_tolerance=float("nan")),
])
def test_bad_importers_and_options_raise_value_error(call):
    with pytest.raises(ValueError):
        call()


def test_a_file_that_is_not_a_drawing_is_read_by_the_rules(tmp_path):
    path = tmp_path / "notes.dxf"
    path.write_text("shopping list\neggs\nflour\n")
    drawing = rivezozer.read(path)
    assert (drawing.result, len(drawing.shapes)) == (0, 0)
    assert rivezozer.explain(path)["kind"] == "other"


def test_a_drawing_cut_off_keeps_what_came_before(tmp_path):
    text = BRACKET.read_bytes()
    path = tmp_path / "cut.dxf"
    path.write_bytes(text[: len(text) * 3 // 4])
    whole, cut = rivezozer.read(BRACKET), rivezozer.read(path)
    assert cut.result == 0 and whole.result == 1
    assert 0 < len(cut.shapes) <= len(whole.shapes)
