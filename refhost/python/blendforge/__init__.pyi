import os
from dataclasses import dataclass
from typing import Any, Iterable, List, Mapping, Optional, Sequence, Tuple, Union

import numpy as np
import numpy.typing as npt

_Path = Union[str, os.PathLike[str]]
_Target = Tuple[str, float]

class Error(Exception):
    """A failure refhost reports in one line; str() is that line after "refhost: "."""

class ModelError(Error):
    """A model file that cannot be read or written, and where it is flawed."""
    file: str
    line: Optional[int]
    pointer: Optional[str]
    def __init__(self, message: str, file: str, line: Optional[int] = ...,
                 pointer: Optional[str] = ...) -> None: ...

class Unchanged(Error):
    """The command ran and changed nothing (cancelled or refused)."""

class Object:
    """An object of an open model."""
    @property
    def name(self) -> str: ...
    @property
    def positions(self) -> npt.NDArray[np.float32]:
        """A read-only copy of the vertex positions, shape (vertices, 3)."""

class Model:
    """A model file read into a document, as refhost reads it."""
    @property
    def path(self) -> str: ...
    @property
    def objects(self) -> List[str]:
        """The object names in document order."""
    def __getitem__(self, name: str) -> Object:
        """The object named ``name``; KeyError when there is none."""
    def targets(self, base: str) -> List[str]:
        """The base's morph targets' object names, as the dialog lists them."""
    def _morph_targets(self, base: str) -> List[Tuple[str, str]]: ...
    def save(self, path: _Path) -> None:
        """Writes the document in the format the extension names, atomically."""
    def preview(self, path: _Path, *, objects: Sequence[str] = ...,
                size: Union[None, str, Tuple[int, int]] = ..., view: Optional[str] = ...,
                shading: Optional[str] = ...) -> None:
        """Draws the last merge (or the named objects) into a PNG file."""

class Plugin:
    """A plug-in module loaded as refhost loads it; calls take turns process-wide."""
    @property
    def path(self) -> str: ...
    @property
    def name(self) -> str: ...
    @property
    def commands(self) -> List[str]: ...
    def run(self, model: Model, object: Optional[str] = ...,
            answers: Optional[Mapping[str, Any]] = ..., command: int = ...) -> List[Object]:
        """Runs a menu command with the dialog answered; returns the added objects."""
    def merge(self, model: Model, base: Optional[str], first: _Target, second: _Target,
              name: Optional[str] = ...) -> Object:
        """Merges two (target, percent) pairs of ``base`` into a new object."""

@dataclass(frozen=True)
class FileResult:
    input: str
    output: Optional[str] = ...
    object: Optional[str] = ...
    error: Optional[Error] = ...

def load_plugin(path: Optional[_Path] = ...) -> Plugin:
    """The plug-in at ``path``, or the Blendforge module beside the host library."""

def open(path: _Path) -> Model:
    """Reads an OBJ, glTF, binary glTF or VRM model."""

def expand_inputs(inputs: Union[_Path, Iterable[_Path]]) -> List[str]:
    """A folder's model files, a glob's matches, or the paths given."""

def merge_files(inputs: Union[_Path, Iterable[_Path]], output_dir: _Path, *targets: _Target,
                object: Optional[str] = ..., name: Optional[str] = ...,
                jobs: Optional[int] = ..., plugin: Optional[_Path] = ...) -> List[FileResult]:
    """Merges the same targets in every input with a pool of processes."""

def output_paths(inputs: Sequence[str], output_dir: _Path) -> List[str]:
    """Each input's file name in ``output_dir``; Error where one would lose a file."""

def merge_file(plugin: Plugin, input: str, output: str, targets: Tuple[_Target, _Target],
               object: Optional[str], name: Optional[str]) -> FileResult:
    """Merges one file and writes it, as one task of a batch."""
