"""Read DXF drawings, DXF die layouts and HPGL plotter files with the RIVEzozer importers.

    import rivezozer
    drawing = rivezozer.read("bracket.dxf")
    for shape in drawing.shapes:
        if shape.type == "polyline":
            xy = shape.points          # numpy array of shape (N, 2), float64

The same contract as the `rivez` command line: the importer is chosen by the file's extension
(.dxf: dxf; .plt .hpgl .hgl .hpg: plt) unless named, `Drawing.to_dict()` is what
`rivez --format json` prints and `explain()` what `rivez --format explain-json` prints.
"""
import collections.abc
import errno
import os
from typing import Any, Dict, Optional, Tuple, Union

from ._rivezozer import (Body, Circle, Drawing, Ellipse, Pen, Polyline, Shape, ShapeList,
                         Text)
from . import _rivezozer

__all__ = ["read", "explain", "importers", "Drawing", "Shape", "Polyline", "Circle", "Ellipse",
           "Text", "Body", "ShapeList", "Pen"]

collections.abc.Sequence.register(ShapeList)

PathLike = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]
Scale = Optional[Tuple[float, float]]


def importers() -> Tuple[str, ...]:
    """The importer names this build offers: 'dxf', 'die' and 'plt'."""
    return tuple(_rivezozer.importers())


def read(path: PathLike, importer: Optional[str] = None, *, dxf_scale: Scale = None,
         dxf_steps: bool = False, plt_scale: Scale = None, plt_scale2: Scale = None,
         unit_mode: int = 0) -> Drawing:
    """Reads one file with one importer, as `rivez --format json` does.

    importer: 'dxf' (general DXF), 'die' (DXF die layout) or 'plt' (HPGL); None picks it by
    the extension. dxf_scale, plt_scale, plt_scale2: (sx, sy) scale factors (plt_scale for
    unit mode 0, plotter units of 0.025 mm; plt_scale2 for unit mode 1, 1/1000 inch).
    dxf_steps: read with ReadLayer, Read_C and ReadEntities in turn (dxf only).

    A read that breaks off is no exception: `Drawing.result` says so. A file that cannot be
    opened raises FileNotFoundError (or another OSError); a bad importer name or option
    raises ValueError. The read runs with the GIL released; reads take turns (see docs).
    """
    raw, arguments = _arguments(path, importer, dxf_scale, dxf_steps, plt_scale, plt_scale2,
                                unit_mode)
    drawing = _rivezozer.read(raw, *arguments)
    if drawing is None:
        _raise_cannot_open(path)
    return drawing


def explain(path: PathLike, importer: Optional[str] = None, *, dxf_scale: Scale = None,
            dxf_steps: bool = False, plt_scale: Scale = None, plt_scale2: Scale = None,
            unit_mode: int = 0, gap_tolerance: Optional[float] = None) -> Dict[str, Any]:
    """What `rivez --format explain-json` prints for the file, as Python objects.

    What the file is and holds, what the importer kept, dropped or passed over of each entity
    type (or plotter command) and why, where reading stopped, warnings, and last the contour
    check under 'contours'. gap_tolerance: contour ends meet within this many drawing units
    (default: 1e-5 of the larger side of the extent). Errors as read().
    """
    raw, arguments = _arguments(path, importer, dxf_scale, dxf_steps, plt_scale, plt_scale2,
                                unit_mode)
    explanation = _rivezozer.explain(raw, *arguments, gap_tolerance)
    if explanation is None:
        _raise_cannot_open(path)
    return explanation


def _arguments(path, importer, dxf_scale, dxf_steps, plt_scale, plt_scale2, unit_mode):
    raw = os.fsencode(path)
    if importer is None:
        importer = _rivezozer.importer_for_path(raw)
        if not importer:
            raise ValueError(f"cannot tell the importer of {os.fsdecode(raw)!r} from its "
                             "extension; give importer='dxf', 'die' or 'plt'")
    elif importer not in importers():
        raise ValueError(f"unknown importer {importer!r}: give 'dxf', 'die' or 'plt'")
    if dxf_steps and importer != "dxf":
        raise ValueError("dxf_steps works with the dxf importer only")
    if unit_mode not in (0, 1) or isinstance(unit_mode, bool):
        raise ValueError(f"unit_mode is 0 (plotter units of 0.025 mm) or 1 (1/1000 inch), "
                         f"not {unit_mode!r}")
    return raw, (importer, _scale("dxf_scale", dxf_scale), bool(dxf_steps),
                 _scale("plt_scale", plt_scale), _scale("plt_scale2", plt_scale2), unit_mode)


def _scale(name: str, scale) -> Scale:
    if scale is None:
        return None
    try:
        x, y = scale
        return float(x), float(y)
    except (TypeError, ValueError):
        raise ValueError(f"{name} takes two numbers (sx, sy), not {scale!r}") from None


def _raise_cannot_open(path) -> None:
    # The importers only say that Open failed; the operating system says why.
    os.stat(path)
    if os.path.isdir(path):
        raise IsADirectoryError(errno.EISDIR, os.strerror(errno.EISDIR), path)
    with open(path, "rb"):
        pass
    raise OSError(f"the importer cannot open {os.fsdecode(os.fspath(path))!r}")
