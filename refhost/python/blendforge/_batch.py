"""Many model files merged alike by a pool of processes."""

import glob
import multiprocessing
import os
from concurrent.futures import ProcessPoolExecutor
from dataclasses import dataclass
from typing import Iterable, List, Optional, Sequence, Tuple, Union

from ._errors import Error
from ._plugin import Plugin, load_plugin

PathLike = Union[str, "os.PathLike[str]"]
# The extensions by which a folder's model files are told.
MODEL_EXTENSIONS = (".obj", ".gltf", ".glb", ".vrm")


@dataclass(frozen=True)
class FileResult:
    """What a batch did with one input: ``output`` and ``object`` (the new
    object's name) when it was merged, else ``error``, the failure as the
    exception `open`, `Plugin.merge` or `Model.save` raised."""

    input: str
    output: Optional[str] = None
    object: Optional[str] = None
    error: Optional[Error] = None


def expand_inputs(inputs: Union[PathLike, Iterable[PathLike]]) -> List[str]:
    """A folder's model files, a glob pattern's matches, one file, or each of
    a list of paths as given; folders and patterns in sorted order."""
    if not isinstance(inputs, (str, os.PathLike)):
        return [os.fspath(path) for path in inputs]
    path = os.fspath(inputs)
    if os.path.isdir(path):
        return sorted(os.path.join(path, name) for name in os.listdir(path)
                      if name.lower().endswith(MODEL_EXTENSIONS)
                      and os.path.isfile(os.path.join(path, name)))
    if glob.has_magic(path):
        return sorted(glob.glob(path))
    return [path]


def output_paths(inputs: Sequence[str], output_dir: PathLike) -> List[str]:
    """Each input's output: its file name in ``output_dir``. Raises `Error`
    when two inputs would write one file, or an output would replace its
    input, since either would lose a file."""
    outputs = [os.path.join(os.fspath(output_dir), os.path.basename(path)) for path in inputs]
    seen = {}
    for path, output in zip(inputs, outputs):
        real = os.path.realpath(output)
        if real == os.path.realpath(path):
            raise Error(f"{path}: the output folder holds the input itself; choose another folder")
        if real in seen:
            raise Error(f"{path}: writes {output}, as {seen[real]} does; "
                        "inputs of one name need output folders of their own")
        seen[real] = path
    return outputs


# Each worker process loads the plug-in once and merges the files it is given.
_worker_plugin: Optional[Plugin] = None


def _load_worker_plugin(path: Optional[str]) -> None:
    global _worker_plugin
    _worker_plugin = load_plugin(path)


def merge_file(plugin: Plugin, input: str, output: str, targets: Tuple[tuple, tuple],
               object: Optional[str], name: Optional[str]) -> FileResult:
    """Merges one file and writes the result, as ``refhost run -o`` does."""
    from . import open as open_model
    try:
        model = open_model(input)
        made = plugin.merge(model, object, targets[0], targets[1], name=name)
        model.save(output)
        return FileResult(input, output, made.name)
    except Error as error:
        return FileResult(input, error=error)


def _merge_in_worker(input: str, output: str, targets: Tuple[tuple, tuple],
                     object: Optional[str], name: Optional[str]) -> FileResult:
    return merge_file(_worker_plugin, input, output, targets, object, name)


def merge_files(inputs: Union[PathLike, Iterable[PathLike]], output_dir: PathLike,
                *targets: Tuple[str, float], object: Optional[str] = None,
                name: Optional[str] = None, jobs: Optional[int] = None,
                plugin: Optional[PathLike] = None) -> List[FileResult]:
    """Merges the same two targets in every input, each written under its
    own file name into ``output_dir`` (made when missing).

    ``inputs`` is a folder, a glob pattern or a list of paths; ``targets``
    are two ``(target, percent)`` pairs as `Plugin.merge` takes them, of the
    base ``object`` (None: each file's first object). ``jobs`` processes
    (None: one per processor) each load the plug-in (``plugin``, None: the
    installed one) once. A file that fails does not stop the others: the
    results, in input order, say what each file came to.
    """
    if len(targets) != 2:
        raise TypeError(f"merge_files takes two (target, percent) pairs, not {len(targets)}")
    paths = expand_inputs(inputs)
    if not paths:
        return []
    outputs = output_paths(paths, output_dir)
    os.makedirs(output_dir, exist_ok=True)
    plugin_path = os.fspath(plugin) if plugin is not None else None
    workers = max(1, min(jobs or os.cpu_count() or 1, len(paths)))
    # Spawned, not forked: a fork could copy the host lock held by another thread.
    with ProcessPoolExecutor(max_workers=workers, mp_context=multiprocessing.get_context("spawn"),
                             initializer=_load_worker_plugin, initargs=(plugin_path,)) as pool:
        futures = [pool.submit(_merge_in_worker, path, output, targets, object, name)
                   for path, output in zip(paths, outputs)]
        return [future.result() for future in futures]
