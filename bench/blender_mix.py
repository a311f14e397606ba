"""Run inside `blender -b --python bench/blender_mix.py -- IN_DIR OUT_DIR`:
the other modeller's loop over the same models as refhost's batch. Each OBJ's
base takes its two targets as shape keys, a new shape from their mix at 50%
and 150%, and is exported as OBJ."""
import os
import sys

import bpy

in_dir, out_dir = sys.argv[sys.argv.index("--") + 1:][:2]
for name in sorted(os.listdir(in_dir)):
    bpy.ops.wm.read_factory_settings(use_empty=True)
    bpy.ops.wm.obj_import(filepath=os.path.join(in_dir, name))
    objects = {o.name: o for o in bpy.data.objects}
    base = objects["body"]
    base.shape_key_add(name="Basis")
    for target, weight in (("elem:t1-body", 0.5), ("elem:t2-body", 1.5)):
        key = base.shape_key_add(name=target)
        key.slider_min, key.slider_max = -10, 10
        for point, vertex in zip(key.data, objects[target].data.vertices):
            point.co = vertex.co
        key.value = weight
    base.shape_key_add(name="elem:mix-body", from_mix=True)
    bpy.ops.wm.obj_export(filepath=os.path.join(out_dir, name), export_selected_objects=False)
