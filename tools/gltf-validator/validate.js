#!/usr/bin/env node
// Validates each glTF file named on the command line with the Khronos glTF
// validator, loading external resources from the file's folder. Prints one
// line per file, each issue of error severity, and each warning as
// "  warning CODE POINTER", and exits 1 when any file has an error.
'use strict';
const fs = require('fs');
const path = require('path');
const validator = require('gltf-validator');

async function validate(file) {
  const folder = path.dirname(file);
  const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(file)), {
    uri: path.basename(file),
    maxIssues: 0,
    externalResourceFunction: (uri) =>
      fs.promises.readFile(path.resolve(folder, decodeURIComponent(uri))).then((bytes) => new Uint8Array(bytes)),
  });
  const errors = report.issues.messages.filter((message) => message.severity === 0);
  console.log(`${file}: ${report.issues.numErrors} errors, ${report.issues.numWarnings} warnings`);
  for (const error of errors) console.log(`  ${error.code} ${error.pointer || ''}: ${error.message}`);
  for (const warning of report.issues.messages.filter((message) => message.severity === 1))
    console.log(`  warning ${warning.code} ${warning.pointer || ''}`);
  return report.issues.numErrors;
}

(async () => {
  let errors = 0;
  for (const file of process.argv.slice(2)) errors += await validate(file);
  process.exit(errors === 0 ? 0 : 1);
})().catch((error) => {
  console.error(`validate.js: ${error.message}`);
  process.exit(2);
});
