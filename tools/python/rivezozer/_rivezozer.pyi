"""Type stubs of the compiled module; the package rivezozer re-exports these classes."""
from typing import Any, Dict, Iterator, List, Literal, Optional, Tuple, Union, overload

import numpy
import numpy.typing

Point = Tuple[float, float]
Scale = Optional[Tuple[float, float]]

class Shape:
    """What every shape has: its layer and line class."""
    @property
    def layer(self) -> int: ...
    @property
    def line_type(self) -> int:
        """The line class: for die layouts 0 cutting, 1 creasing."""

class Polyline(Shape):
    type: Literal["polyline"]
    @property
    def closed(self) -> bool: ...
    @property
    def points(self) -> numpy.typing.NDArray[numpy.float64]:
        """The points as a new (N, 2) float64 array of x and y, a copy the caller owns."""
    def __len__(self) -> int: ...

class Circle(Shape):
    type: Literal["circle"]
    @property
    def center(self) -> Point: ...
    @property
    def radius(self) -> float: ...
    @property
    def start_angle(self) -> float:
        """Radians, counter-clockwise from the x axis."""
    @property
    def end_angle(self) -> float: ...

class Ellipse(Shape):
    type: Literal["ellipse"]
    @property
    def center(self) -> Point: ...
    @property
    def major(self) -> float: ...
    @property
    def minor(self) -> float: ...
    @property
    def angle(self) -> float: ...
    @property
    def start_param(self) -> float: ...
    @property
    def end_param(self) -> float: ...

class Text(Shape):
    type: Literal["text"]
    @property
    def text(self) -> str: ...
    @property
    def style(self) -> str: ...
    @property
    def position(self) -> Point: ...
    @property
    def height(self) -> float: ...
    @property
    def width_factor(self) -> float: ...
    @property
    def angle(self) -> float: ...

AnyShape = Union[Polyline, Circle, Ellipse, Text]

class Body:
    """A placed block: its name, base point and its own shapes."""
    type: Literal["body"]
    @property
    def name(self) -> str: ...
    @property
    def base(self) -> Point: ...
    @property
    def state(self) -> int: ...
    @property
    def shapes(self) -> ShapeList: ...

class ShapeList:
    """The shapes in their order, made into objects as they are asked for."""
    def __len__(self) -> int: ...
    @overload
    def __getitem__(self, index: int) -> Any: ...
    @overload
    def __getitem__(self, index: slice) -> List[Any]: ...
    def __iter__(self) -> Iterator[Any]: ...

class Pen:
    """Where the plotter's pen was left after the read."""
    @property
    def number(self) -> int: ...
    @property
    def text(self) -> str: ...
    @property
    def x(self) -> float: ...
    @property
    def y(self) -> float: ...
    @property
    def draw_state(self) -> int: ...

class Drawing:
    """What one importer made of one file; rivezozer.read() makes it."""
    @property
    def importer(self) -> str:
        """'dxf', 'die' or 'plt'."""
    @property
    def result(self) -> int:
        """What the read operation returned (dxf, die: 1 read to the end, 0 broke off)."""
    @property
    def shapes(self) -> ShapeList:
        """Polyline, Circle, Ellipse and Text objects in the importer's order."""
    @property
    def inserts(self) -> ShapeList:
        """The dxf importer's placed blocks, each a Body."""
    @property
    def layers(self) -> Union[List[str], Dict[str, List[str]]]:
        """dxf: the layer strings; die: {'color1': [...], 'color7': [...]}; plt: []."""
    @property
    def pen(self) -> Optional[Pen]: ...
    def to_dict(self) -> Dict[str, Any]:
        """What json.loads gives of `rivez --format json` for the same file and options."""
    def contours(self, gap_tolerance: Optional[float] = None) -> Dict[str, Any]:
        """The contour check: the 'contours' key of explain()."""

def importer_for_path(path: bytes) -> str: ...
def importers() -> List[str]: ...
def read(path: bytes, importer: str, dxf_scale: Scale, dxf_steps: bool, plt_scale: Scale,
         plt_scale2: Scale, unit_mode: int) -> Optional[Drawing]: ...
def explain(path: bytes, importer: str, dxf_scale: Scale, dxf_steps: bool, plt_scale: Scale,
            plt_scale2: Scale, unit_mode: int,
            gap_tolerance: Optional[float]) -> Optional[Dict[str, Any]]: ...
