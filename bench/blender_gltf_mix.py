"""Run inside `blender -b --python bench/blender_gltf_mix.py -- IN OUT`: the
other modeller doing refhost's job on the face rig. It imports the binary
glTF, sets the Face mesh's shape keys shape00 to 50% and shape01 to 150%,
adds a new shape key "mix" from their mix and exports the scene as binary
glTF, the new key a morph target beside the others."""
import sys

import bpy
import numpy

# Debian's Blender 3.4 glTF importer still spells numpy's bool as np.bool,
# which numpy 1.24 removed.
if "bool" not in vars(numpy):
    numpy.bool = bool

source, result = sys.argv[sys.argv.index("--") + 1:][:2]
bpy.ops.wm.read_factory_settings(use_empty=True)
bpy.ops.import_scene.gltf(filepath=source)
face = next(o for o in bpy.data.objects if o.type == "MESH" and o.data.name == "Face")
keys = face.data.shape_keys.key_blocks
for name, weight in (("shape00", 0.5), ("shape01", 1.5)):
    # Blender's sliders stop at 1 by default; refhost takes any weight.
    keys[name].slider_min, keys[name].slider_max = -10, 10
    keys[name].value = weight
face.shape_key_add(name="mix", from_mix=True)
bpy.ops.export_scene.gltf(filepath=result, export_format="GLB")
