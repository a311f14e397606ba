"""The glTF benchmark's report: the asset's shape from its JSON chunk, the
medians from the recorded runs, and the verdicts at their goals.
Run by ctest, or with PYTHONPATH=bench /usr/bin/python3 -m pytest tests/bench."""
import json
import struct

import pytest

import gltf_verdicts


def write_glb(path, primitives, accessors):
    chunk = json.dumps({"meshes": [{"primitives": primitives}], "accessors": accessors}).encode()
    chunk += b" " * (-len(chunk) % 4)
    path.write_bytes(struct.pack("<4sII", b"glTF", 2, 20 + len(chunk))
                     + struct.pack("<I4s", len(chunk), b"JSON") + chunk)
    return path


def run_log(wall_ns, peak_kb, phases=""):
    return f"{phases}\tMaximum resident set size (kbytes): {peak_kb}\nwall ns: {wall_ns}\n"


class TestShape:
    def test_normal_deltas_double_the_new_targets_bytes(self, tmp_path):
        targets = [{"POSITION": 1, "NORMAL": 1}] * 3
        glb = write_glb(tmp_path / "rig.glb",
                        [{"attributes": {"POSITION": 0}, "targets": targets},
                         {"attributes": {"POSITION": 2}, "targets": targets}],
                        [{"count": 100}, {"count": 100}, {"count": 20}])
        assert gltf_verdicts.shape(glb) == (120, 360, 120 * 24)

    def test_position_deltas_only_and_a_primitive_without_targets(self, tmp_path):
        glb = write_glb(tmp_path / "grid.glb",
                        [{"attributes": {"POSITION": 0}, "targets": [{"POSITION": 1}] * 2},
                         {"attributes": {"POSITION": 1}}],
                        [{"count": 50}, {"count": 10}])
        assert gltf_verdicts.shape(glb) == (60, 100, 60 * 12)


class TestMedians:
    def test_median_of_each_figure_over_the_runs(self, tmp_path):
        for run, (wall, peak, read) in enumerate([(3e8, 300, 0.3), (1e8, 100, 0.1), (2e8, 200, 0.2)]):
            (tmp_path / f"refhost.{run}.txt").write_text(
                run_log(int(wall), peak, f"read {read:.3f} s (33.9 MB, 41 objects)\ncommand 0.001 s\n"))
        figures = gltf_verdicts.medians(tmp_path, "refhost")
        assert figures["wall"] == pytest.approx(0.2)
        assert figures["peak_bytes"] == 200 * 1024
        assert figures["read"] == pytest.approx(0.2)
        assert figures["command"] == pytest.approx(0.001)

    def test_a_job_that_did_not_run_has_none(self, tmp_path):
        (tmp_path / "read.1.txt").write_text(run_log(1, 1))
        assert gltf_verdicts.medians(tmp_path, "refhost") is None


class TestReport:
    def test_verdict_is_met_at_the_goal_and_missed_past_it(self):
        assert gltf_verdicts.verdict("rig", "end to end / floor", 2.0).endswith("2.00x (goal <= 2x) met")
        assert gltf_verdicts.verdict("rig", "end to end / floor", 2.01).endswith("missed")

    def test_a_skipped_peer_gets_a_row_with_its_reason(self, tmp_path):
        (tmp_path / "blender.skipped").write_text("not installed\n")
        measured = {"read": {"wall": 0.01, "peak": 1.0}, "refhost": {"wall": 0.1, "peak": 70.0}}
        rows = list(gltf_verdicts.table(tmp_path, measured, 0.05))
        assert "| `refhost run`, the merge | 0.100 | 70.0 | 2.00 |" in rows
        assert rows[-1] == "| `blender -b`: import, mix, export | not installed | | |"

    def test_a_validator_that_did_not_answer_says_so(self, tmp_path):
        (tmp_path / "validator.txt").write_text("validate.js: Cannot find module 'gltf-validator'\n")
        assert "did not answer" in gltf_verdicts.validator_line(tmp_path)
