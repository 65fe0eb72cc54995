"""What the module hands out stays valid: arrays own their memory, views keep the import."""
import gc
import shutil

import numpy
import rivezozer

from conftest import EXAMPLES


def test_points_own_their_memory_after_the_drawing_is_dropped():
    drawing = rivezozer.read(EXAMPLES / "gasket.dxf")
    arrays = [shape.points for shape in drawing.shapes if shape.type == "polyline"]
    expected = [points.copy() for points in arrays]
    del drawing
    gc.collect()
    rivezozer.read(EXAMPLES / "bracket.dxf")  # the freed memory gets used again
    for points, copy in zip(arrays, expected):
        assert points.flags.owndata and points.flags.c_contiguous
        numpy.testing.assert_array_equal(points, copy)


def test_shapes_and_lists_outlive_the_drawing():
    drawing = rivezozer.read(EXAMPLES / "bracket.dxf")
    shapes, body = drawing.shapes, drawing.inserts[0]
    expected = drawing.to_dict()
    del drawing
    gc.collect()
    assert [s.type for s in shapes] == [s["type"] for s in expected["shapes"]]
    assert len(body.shapes) == len(expected["inserts"][0]["shapes"])
    assert body.shapes[-1].layer == expected["inserts"][0]["shapes"][-1]["layer"]


def test_a_drawing_outlives_its_file(tmp_path):
    path = tmp_path / "gasket.dxf"
    shutil.copy(EXAMPLES / "gasket.dxf", path)
    drawing = rivezozer.read(path)
    expected = rivezozer.read(EXAMPLES / "gasket.dxf").to_dict()
    path.unlink()
    assert drawing.to_dict() == expected
    assert drawing.contours()["closed"] > 0


def test_shape_lists_index_as_python_sequences():
    shapes = rivezozer.read(EXAMPLES / "bracket.dxf").shapes
    assert shapes[-1].type == shapes[len(shapes) - 1].type
    assert [s.type for s in shapes[1:4]] == [s.type for s in list(shapes)[1:4]]
    try:
        shapes[len(shapes)]
    except IndexError:
        pass
    else:
        raise AssertionError("an index past the end must raise IndexError")
