"""The module gives what rivez gives: to_dict() is its JSON, explain() its explain-json."""
from collections import defaultdict

import pytest
import rivezozer

from conftest import EXAMPLES, example_files

OPTIONS = [
    ({}, []),
    ({"dxf_scale": (25.4, 0.5)}, ["--dxf-scale", "25.4,0.5"]),
    ({"dxf_steps": True}, ["--dxf-steps"]),
    ({"unit_mode": 1, "plt_scale2": (0.5, 2)}, ["--unit-mode", "1", "--plt-scale2", "0.5,2"]),
    ({"plt_scale": (1, 1)}, ["--plt-scale", "1,1"]),
]


def by_importer(files):
    groups = defaultdict(list)
    for path, importer in files:
        groups[importer].append(path)
    return groups.items()


@pytest.mark.parametrize("keywords,flags", OPTIONS)
def test_examples_as_rivez_json(rivez, keywords, flags):
    for path, importer in example_files():
        if keywords.get("dxf_steps") and importer != "dxf":
            continue
        expected, = rivez("json", importer, [path], *flags)
        assert rivezozer.read(path, importer, **keywords).to_dict() == expected, path


def test_examples_explained_as_rivez_explain_json(rivez):
    for path, importer in example_files():
        expected, = rivez("explain-json", importer, [path])
        assert rivezozer.explain(str(path), importer) == expected
        expected, = rivez("explain-json", importer, [path], "--gap-tolerance", "0.5")
        assert rivezozer.explain(str(path), importer, gap_tolerance=0.5) == expected


def test_contours_are_the_explanations_key(rivez):
    for path, importer in example_files():
        expected, = rivez("explain-json", importer, [path], "--gap-tolerance", "0.01")
        drawing = rivezozer.read(path, importer)
        assert drawing.contours(gap_tolerance=0.01) == expected["contours"]


def test_importer_by_extension_as_rivez():
    for path, importer in example_files():
        if importer != "die":
            assert rivezozer.read(path).importer == importer


def test_corpus_as_rivez_json(rivez, corpus):
    for importer, paths in by_importer(corpus):
        for path, expected in zip(paths, rivez("json", importer, paths)):
            assert rivezozer.read(path, importer).to_dict() == expected, (path, importer)


def test_corpus_explained_as_rivez_explain_json(rivez, corpus):
    for importer, paths in by_importer(corpus):
        for path, expected in zip(paths, rivez("explain-json", importer, paths)):
            assert rivezozer.explain(str(path), importer) == expected, (path, importer)


def test_shapes_carry_what_the_json_says():
    drawing = rivezozer.read(EXAMPLES / "bracket.dxf")
    as_json = drawing.to_dict()
    for shape, expected in zip(list(drawing.shapes) + list(drawing.inserts),
                               as_json["shapes"] + as_json["inserts"]):
        assert shape.type == expected["type"]
        if shape.type == "body":
            assert (shape.name, list(shape.base), len(shape.shapes)) == (
                expected["name"], expected["base"], len(expected["shapes"]))
            continue
        assert (shape.layer, shape.line_type) == (expected["layer"], expected["lineType"])
        if shape.type == "polyline":
            assert shape.points.shape == (len(expected["points"]), 2)
            assert shape.points.dtype.name == "float64"
            assert shape.points.tolist() == expected["points"]
            assert shape.closed == expected["closed"]
        elif shape.type == "circle":
            assert (list(shape.center), shape.radius) == (expected["center"], expected["radius"])
        elif shape.type == "text":
            assert (shape.text, list(shape.position)) == (expected["text"], expected["position"])
    assert drawing.layers == as_json["layers"]


def test_pen_as_the_json_says():
    drawing = rivezozer.read(EXAMPLES / "star.plt")
    pen = drawing.to_dict()["pen"]
    assert (drawing.pen.number, drawing.pen.text, drawing.pen.x, drawing.pen.y,
            drawing.pen.draw_state) == (pen["number"], pen["text"], pen["x"], pen["y"],
                                        pen["drawState"])
    assert rivezozer.read(EXAMPLES / "bracket.dxf").pen is None
