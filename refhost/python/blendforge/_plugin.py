"""The plug-in, loaded once per module file, and its command run on models."""

import os
import threading
from typing import Any, Dict, List, Mapping, Optional, Tuple

from . import _blendforge
from ._blendforge import Model, Object

_loaded: Dict[str, "Plugin"] = {}
_loading = threading.Lock()


class Plugin:
    """A plug-in module loaded and handshaken as ``refhost`` loads it.

    The plug-in keeps process-wide state, so every call into it, and every
    read, write and picture of a model, holds one lock for the whole
    process. The GIL is released while a call waits for that lock and while
    it works, so other Python threads run meanwhile, but calls from several
    threads take turns; for parallel work use processes (`merge_files`).
    """

    def __init__(self, core: "_blendforge.LoadedPlugin") -> None:
        self._core = core

    @property
    def path(self) -> str:
        """The module file as it was given."""
        return self._core.path

    @property
    def name(self) -> str:
        """The plug-in's display name."""
        return self._core.name

    @property
    def commands(self) -> List[str]:
        """The menu strings, numbered from 0 as `run`'s ``command``."""
        return self._core.commands

    def run(self, model: Model, object: Optional[str] = None,
            answers: Optional[Mapping[str, Any]] = None, command: int = 0) -> List[Object]:
        """Runs menu command ``command`` on ``model`` as ``refhost run`` does.

        ``object`` is made current first (None: the first object).
        ``answers`` answers the dialog as refhost's options do:
        ``{"list": {1: "elem:smile-body"}, "spin": {1: 50}, "edit": {2: "mix"},
        "press": "OK"}``, widgets numbered from 1 by kind in the order the
        dialog makes them. Without answers the person at a terminal answers,
        else the default button is pressed.

        Returns the objects the command added. Raises `Unchanged` when it
        changed nothing and `Error` for a refused run; once the command has
        run, a refused result spoils the model, which must be opened again.
        """
        widgets, press = _widget_answers(answers)
        return self._core.run(model, object, command, widgets, press)

    def merge(self, model: Model, base: Optional[str], first: Tuple[str, float],
              second: Tuple[str, float], name: Optional[str] = None) -> Object:
        """Merges two morph targets of ``base`` into a new object; returns it.

        Each target is ``(target, percent)``: the target's object name as
        `Model.targets` lists it, or its morph name (``"smile"`` for
        ``"elem:smile-body"``), and its weight in percent as the dialog's
        spin box takes it. ``name`` is the new object's name (None: the
        dialog's default). ``base`` None is the first object.
        """
        items = _target_items(model, base)
        answers: Dict[str, Any] = {
            "list": {1: items.get(first[0], first[0]), 2: items.get(second[0], second[0])},
            "spin": {1: first[1], 2: second[1]},
            "press": "OK",
        }
        if name is not None:
            answers["edit"] = {2: name}
        return self.run(model, object=base, answers=answers)[0]


def _widget_answers(answers: Optional[Mapping[str, Any]]) -> Tuple[list, Optional[str]]:
    """The answers as (kind, "N=VALUE") pairs, as refhost's options give them."""
    rest = dict(answers or {})
    press = rest.pop("press", None)
    widgets = [(kind, f"{ordinal}={value}")
               for kind, values in rest.items() for ordinal, value in values.items()]
    return widgets, press


def _target_items(model: Model, base: Optional[str]) -> Dict[str, str]:
    """The dialog's item (the target's object name) for each morph name of the base.

    Empty when there is no such base, so that the run reports it as refhost does.
    """
    if base is None:
        base = next(iter(model.objects), None)
    try:
        pairs = model._morph_targets(base) if base is not None else []
    except KeyError:
        return {}
    return {morph: target for target, morph in pairs}


def load_plugin(path: "Optional[str | os.PathLike[str]]" = None) -> Plugin:
    """Loads the plug-in module at ``path``, or the Blendforge module beside
    the host library (where the build and an installation put it).

    A module file is loaded once per process: loading it again returns the
    same `Plugin`. Raises `Error` with refhost's line when it cannot be
    loaded.
    """
    file = os.fspath(path) if path is not None else _blendforge.default_plugin_path()
    key = os.path.realpath(file)
    with _loading:
        if key not in _loaded:
            _loaded[key] = Plugin(_blendforge.LoadedPlugin(file))
        return _loaded[key]
