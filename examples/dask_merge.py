"""Merges a folder of models on a Dask cluster.

    python3 examples/dask_merge.py SCHEDULER INPUTS OUTPUT_DIR

SCHEDULER is a running scheduler's address (tcp://host:8786), or "local"
for a cluster of two worker processes on this machine. Each worker process
loads the plug-in once, on its first file, and merges the files it is
given; the workers need blendforge installed and the inputs and the output
folder at the same paths.
"""

import os
import sys

from distributed import Client, LocalCluster

import blendforge

TARGETS = (("smile", 80), ("blink", 100))
NAME = None  # the plug-in's proposal: elem:new-<base>


def merge_on_worker(input, output, plugin_path):
    # load_plugin loads a module file once per process, so this is the
    # worker's one plug-in whichever task comes first.
    plugin = blendforge.load_plugin(plugin_path)
    return blendforge.merge_file(plugin, input, output, TARGETS, None, NAME)


def merge_folder(client, inputs, output_dir, plugin_path=None):
    """The batch of merge_files, one task per file on the client's cluster."""
    paths = blendforge.expand_inputs(inputs)
    outputs = blendforge.output_paths(paths, output_dir)
    futures = client.map(merge_on_worker, paths, outputs, [plugin_path] * len(paths), pure=False)
    return client.gather(futures)


def main(scheduler, inputs, output_dir):
    os.makedirs(output_dir, exist_ok=True)
    if scheduler == "local":
        with LocalCluster(n_workers=2, threads_per_worker=1, processes=True) as cluster, \
                Client(cluster) as client:
            results = merge_folder(client, inputs, output_dir)
    else:
        with Client(scheduler) as client:
            results = merge_folder(client, inputs, output_dir)
    for result in results:
        print(result.input, "->", result.output or result.error)
    return 0 if all(result.error is None for result in results) else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
