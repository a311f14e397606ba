"""What the Python module's tests share: the built refhost and plug-in, a
small model of their own, and refhost run's answer for comparison."""

import os
import subprocess
from pathlib import Path

import pytest

BIN = Path(os.environ["BLENDFORGE_BIN"])
SOURCE = Path(os.environ["BLENDFORGE_SOURCE_DIR"])
REFHOST = BIN / "refhost"
PLUGIN = BIN / "Blendforge.so"

# A base triangle and two targets of it, each moving one vertex.
SMALL_OBJ = """o body
v 0 0 0
v 1 0 0
v 0 1 0
f 1 2 3
o elem:smile-body
v 0 0 0.5
v 1 0 0
v 0 1 0
f 4 5 6
o elem:blink-body
v 0 0 0
v 1.25 0 0
v 0 1 0
f 7 8 9
"""


@pytest.fixture
def small_obj(tmp_path):
    path = tmp_path / "small.obj"
    path.write_text(SMALL_OBJ)
    return path


def merge_answers(first, second, name):
    """refhost run's options for a merge of two (target, percent) pairs."""
    return ["--list", f"1={first[0]}", "--list", f"2={second[0]}", "--spin", f"1={first[1]}",
            "--spin", f"2={second[1]}", "--edit", f"2={name}", "--press", "OK"]


def refhost_run(model, *options):
    """refhost run on the model: its exit status, stdout and stderr."""
    result = subprocess.run([str(REFHOST), "run", str(PLUGIN), str(model), *map(str, options)],
                            capture_output=True, text=True, errors="surrogateescape")
    return result.returncode, result.stdout, result.stderr


def refhost_error(model, *options):
    """The line refhost run prints for a failure, after its "refhost: "."""
    status, _, err = refhost_run(model, *options)
    assert status == 1, "refhost run should fail here"
    assert err.startswith("refhost: ")
    return err[len("refhost: "):].rstrip("\n")
