"""The cluster example merges a folder on a local cluster of two worker
processes, as it would on a real scheduler."""

import importlib.util

import blendforge
from conftest import PLUGIN, SMALL_OBJ, SOURCE


def load_example():
    found = importlib.util.spec_from_file_location("dask_merge", SOURCE / "examples" / "dask_merge.py")
    example = importlib.util.module_from_spec(found)
    found.loader.exec_module(example)
    return example


def test_example_merges_a_folder_on_two_worker_processes(tmp_path):
    from distributed import Client, LocalCluster
    inputs = tmp_path / "in"
    inputs.mkdir()
    for name in ("a.obj", "b.obj", "c.obj"):
        (inputs / name).write_text(SMALL_OBJ)
    (inputs / "bad.obj").write_text("o body\nv 0 0\n")
    example = load_example()
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        results = example.merge_folder(client, inputs, tmp_path, str(PLUGIN))
        workers = client.run(lambda: 1)
    assert len(workers) == 2, "the cluster has two worker processes"
    failed = [result for result in results if result.error is not None]
    assert [result.input for result in failed] == [str(inputs / "bad.obj")]
    assert isinstance(failed[0].error, blendforge.ModelError)
    for name in ("a.obj", "b.obj", "c.obj"):
        assert blendforge.open(tmp_path / name).objects[1] == "elem:new-body"
