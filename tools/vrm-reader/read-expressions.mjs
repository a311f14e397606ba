#!/usr/bin/env node
// Loads the avatar named on the command line the way a program that shows
// avatars does, with three.js's glTF loader and an avatar loader plug-in,
// and prints as JSON its expressions, each with its morph target binds (the
// target's index, the weight, and the names of the meshes it moves), and
// every warning the loader gave. Exits 1 when the file loads as no avatar.
import { readFileSync } from 'node:fs';
import { GLTFLoader } from 'three/addons/loaders/GLTFLoader.js';
import { VRMExpressionMorphTargetBind, VRMLoaderPlugin } from '@pixiv/three-vrm';

const warnings = [];
console.warn = (...parts) => warnings.push(parts.join(' '));

function load(file) {
  const bytes = readFileSync(file);
  const loader = new GLTFLoader();
  loader.register((parser) => new VRMLoaderPlugin(parser));
  const buffer = bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength);
  return new Promise((resolve, reject) => loader.parse(buffer, '', resolve, reject));
}

function morphTargetBinds(expression) {
  return expression.binds
    .filter((bind) => bind instanceof VRMExpressionMorphTargetBind)
    .map((bind) => ({
      index: bind.index,
      weight: bind.weight,
      meshes: bind.primitives.map((primitive) => primitive.name),
    }));
}

try {
  const vrm = (await load(process.argv[2])).userData.vrm;
  if (!vrm) throw new Error('the file loads as no avatar');
  const expressions = {};
  for (const expression of vrm.expressionManager.expressions)
    expressions[expression.expressionName] = morphTargetBinds(expression);
  console.log(JSON.stringify({ expressions, warnings }));
} catch (error) {
  console.error(`read-expressions.mjs: ${error.message}`);
  process.exit(1);
}
