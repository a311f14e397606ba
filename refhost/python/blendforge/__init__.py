"""Blendforge from Python: merge morph targets of model files with the
Blendforge plug-in, driven through the reference host as ``refhost run``
drives it, so that the results are the same bytes.

    plugin = blendforge.load_plugin()
    model = blendforge.open("samples/face.obj")
    plugin.merge(model, "body", ("smile", 50), ("blink", 150), name="elem:mix-body")
    model.save("face-mix.obj")

Several models may be open at once. The host and the plug-in keep
process-wide state, so all calls that touch them take turns under one
process-wide lock, with the GIL released while they read, write and draw.
"""

import os

from . import _blendforge
from ._batch import FileResult, expand_inputs, merge_file, merge_files, output_paths
from ._blendforge import Model, Object
from ._errors import Error, ModelError, Unchanged
from ._plugin import Plugin, load_plugin

__all__ = ["Error", "FileResult", "Model", "ModelError", "Object", "Plugin", "Unchanged",
           "expand_inputs", "load_plugin", "merge_file", "merge_files", "open", "output_paths"]


def open(path: "str | os.PathLike[str]") -> Model:
    """Reads an OBJ, glTF, binary glTF or VRM model as ``refhost`` reads it.

    The format follows the extension, or the first bytes when it names none.
    Raises `ModelError` naming the file and the line or JSON pointer of the
    flaw.
    """
    return _blendforge._open(path)
