"""merge_files merges the good files of a batch and reports the bad ones."""

import pytest

import blendforge
from conftest import SMALL_OBJ


def test_bad_files_among_good_ones(tmp_path):
    inputs = tmp_path / "in"
    inputs.mkdir()
    for name in ("a.obj", "c.obj"):
        (inputs / name).write_text(SMALL_OBJ)
    (inputs / "b.obj").write_text("o body\nv 0 0\n")
    (inputs / "notes.txt").write_text("not a model")
    results = blendforge.merge_files(inputs, tmp_path / "out", ("smile", 50), ("blink", 150),
                                     name="elem:mix-body", jobs=2)
    assert [r.input for r in results] == [str(inputs / n) for n in ("a.obj", "b.obj", "c.obj")]
    good, bad, other = results
    assert bad.output is None and isinstance(bad.error, blendforge.ModelError)
    assert bad.error.file == str(inputs / "b.obj") and bad.error.line == 2
    for result in (good, other):
        assert result.error is None and result.object == "elem:mix-body"
        model = blendforge.open(result.output)
        assert model.objects[1] == "elem:mix-body"
    assert not (tmp_path / "out" / "b.obj").exists()


def test_outputs_never_replace_inputs(tmp_path):
    (tmp_path / "a.obj").write_text(SMALL_OBJ)
    with pytest.raises(blendforge.Error, match="holds the input itself"):
        blendforge.merge_files(str(tmp_path / "*.obj"), tmp_path, ("smile", 50), ("blink", 50))
    assert (tmp_path / "a.obj").read_text() == SMALL_OBJ
