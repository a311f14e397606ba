"""Every failure raises its own exception, its text the line refhost prints."""

import pickle

import pytest

import blendforge
from conftest import PLUGIN, merge_answers, refhost_error, refhost_run

GOOD = (("elem:smile-body", 50), ("elem:blink-body", 150))


@pytest.mark.parametrize("name, text, line", [
    ("bad.obj", "o body\nv 0 0 0\nv 1 zero 0\n", 3),
    ("bad.gltf", '{"asset": {"version": "2.0"}, "meshes": 7}', None),
])
def test_bad_file_is_a_model_error_naming_its_place(tmp_path, name, text, line):
    path = tmp_path / name
    path.write_text(text)
    with pytest.raises(blendforge.ModelError) as raised:
        blendforge.open(path)
    assert str(raised.value) == refhost_error(path, *merge_answers(*GOOD, "x"))
    assert raised.value.file == str(path) and raised.value.line == line
    assert (raised.value.pointer is None) == (line is not None), "a glTF flaw names its pointer"
    copy = pickle.loads(pickle.dumps(raised.value))
    assert (copy.file, copy.line, copy.pointer) == (path.as_posix(), line, raised.value.pointer)


def test_cancel_is_unchanged_and_leaves_the_model_as_it_was(small_obj):
    model = blendforge.open(small_obj)
    plugin = blendforge.load_plugin(PLUGIN)
    with pytest.raises(blendforge.Unchanged) as raised:
        plugin.run(model, answers={"press": "Cancel"})
    status, out, _ = refhost_run(small_obj, "--press", "Cancel")
    assert status == 2 and str(raised.value) == out.rstrip("\n")
    assert model.objects == ["body", "elem:smile-body", "elem:blink-body"]


@pytest.mark.parametrize("answers, options", [
    ({"spin": {9: 50}}, ["--spin", "9=50"]),
    ({"list": {1: "elem:nope-body"}}, ["--list", "1=elem:nope-body"]),
    ({"spin": {0: 50}}, ["--spin", "0=50"]),
])
def test_bad_answers_fail_as_refhost_fails(small_obj, answers, options):
    model = blendforge.open(small_obj)
    with pytest.raises(blendforge.Error) as raised:
        blendforge.load_plugin().run(model, answers=answers)
    assert not isinstance(raised.value, (blendforge.Unchanged, blendforge.ModelError))
    assert str(raised.value) == refhost_error(small_obj, *options)


def test_missing_object_fails_as_refhost_fails(small_obj):
    model = blendforge.open(small_obj)
    with pytest.raises(blendforge.Error) as raised:
        blendforge.load_plugin().merge(model, "nobody", *GOOD)
    assert str(raised.value) == refhost_error(small_obj, "--object", "nobody")


def test_refused_result_spoils_the_model(small_obj, tmp_path):
    model = blendforge.open(small_obj)
    plugin = blendforge.load_plugin()
    with pytest.raises(blendforge.Error, match="taken by another object"):
        plugin.merge(model, "body", *GOOD, name="elem:smile-body")
    with pytest.raises(blendforge.Error, match="open the model again"):
        model.save(tmp_path / "out.obj")
    assert not (tmp_path / "out.obj").exists(), "a refused result must not be written"
