"""A merge from Python writes the bytes refhost run writes, and reads back
the values the file holds."""

import os
import re
import shutil
import subprocess
import sys

import numpy as np
import pytest

import blendforge
from conftest import PLUGIN, SOURCE, merge_answers, refhost_run


@pytest.mark.parametrize("sample, output", [("face.obj", "mix.obj"), ("face.gltf", "mix.glb"),
                                            ("face.gltf", "mix.gltf")])
def test_merge_writes_what_refhost_run_writes(tmp_path, sample, output):
    model_path = SOURCE / "samples" / sample
    model = blendforge.open(model_path)
    base = model.objects[0]
    first, second = model.targets(base)[:2]
    plugin = blendforge.load_plugin(PLUGIN)
    name = f"elem:mix-{base}"  # a target name of the base, so glTF adds a target
    new = plugin.merge(model, base, (first, 50), (second, 150), name=name)
    assert new.name == name
    model.save(tmp_path / output)
    model.preview(tmp_path / "mix.png")

    status, _, err = refhost_run(model_path, "-o", tmp_path / ("ref-" + output), "--object", base,
                                 "--preview", tmp_path / "ref.png",
                                 *merge_answers((first, 50), (second, 150), name))
    assert status == 0, err
    assert (tmp_path / output).read_bytes() == (tmp_path / ("ref-" + output)).read_bytes(), \
        "the module and refhost run wrote different files for one merge"
    assert (tmp_path / "mix.png").read_bytes() == (tmp_path / "ref.png").read_bytes(), \
        "the module and refhost run drew different previews"


def test_positions_are_the_files_values_read_only(small_obj):
    model = blendforge.open(small_obj)
    assert model.objects == ["body", "elem:smile-body", "elem:blink-body"]
    positions = model["elem:blink-body"].positions
    assert positions.dtype == np.float32 and positions.shape == (3, 3)
    np.testing.assert_array_equal(positions, [[0, 0, 0], [1.25, 0, 0], [0, 1, 0]])
    with pytest.raises(ValueError):
        positions[0, 0] = 1  # a write would be lost, or would not reach the document
    with pytest.raises(KeyError):
        model["nobody"]


def test_merge_blends_by_percent_and_takes_morph_names(small_obj):
    model = blendforge.open(small_obj)
    assert model.targets("body") == ["elem:smile-body", "elem:blink-body"]
    plugin = blendforge.load_plugin()
    assert plugin is blendforge.load_plugin(PLUGIN), "one module file is loaded once"
    new = plugin.merge(model, "body", ("smile", 50), ("blink", 200), name="elem:mix-body")
    np.testing.assert_array_equal(new.positions, np.float32([[0, 0, 0.25], [1.5, 0, 0], [0, 1, 0]]))
    assert model.objects[1] == "elem:mix-body", "the new object goes right after its base"


def test_several_models_stay_apart(small_obj, tmp_path):
    other_path = tmp_path / "other.obj"
    other_path.write_text(small_obj.read_text().replace("0 0 0.5", "0 0 2"))
    plugin = blendforge.load_plugin()
    one, other = blendforge.open(small_obj), blendforge.open(other_path)
    mixed_one = plugin.merge(one, "body", ("smile", 100), ("blink", 0), name="elem:a-body")
    mixed_other = plugin.merge(other, "body", ("smile", 100), ("blink", 0), name="elem:b-body")
    assert "elem:b-body" not in one.objects and "elem:a-body" not in other.objects
    assert mixed_one.positions[0, 2] == 0.5 and mixed_other.positions[0, 2] == 2


def test_readme_example_runs_as_written(tmp_path):
    """The README's first Python example, from a folder that holds the
    project's samples as the project root does."""
    readme = (SOURCE / "README.md").read_text()
    example = re.search(r"```python\n(.*?)```", readme, re.S).group(1)
    (tmp_path / "samples").symlink_to(SOURCE / "samples")
    result = subprocess.run([sys.executable, "-c", example], cwd=tmp_path, capture_output=True,
                            text=True)
    assert result.returncode == 0, result.stderr


@pytest.mark.skipif("BLENDFORGE_SANITIZED" in os.environ,
                    reason="the address sanitizer holds freed memory back")
def test_models_let_go_free_their_memory(tmp_path):
    """A pipeline opens model after model in one process; each one dropped
    must give its document back, and an object keeps its model alive."""
    sample = SOURCE / "samples" / "face.obj"
    plugin = blendforge.load_plugin(PLUGIN)
    kept = blendforge.open(sample)["head"]

    def resident_mb():
        with open("/proc/self/statm") as statm:
            return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE") / 2**20

    before = resident_mb()
    for _ in range(60):  # each holds about a megabyte of positions
        model = blendforge.open(sample)
        plugin.merge(model, "head", ("smile", 80), ("blink", 100), name="elem:mix-head")
        del model
    assert resident_mb() - before < 20, "the models dropped are still held"
    assert kept.positions.shape == (2754, 3)
