// The reference implementation's side of the conformance run: compiles a
// definition to JavaScript with position recording (kaitai-struct-compiler in
// debug mode) and reads a sample with its runtime (kaitai-struct).
'use strict';
const fs = require('fs');
const path = require('path');

const compiler = require('kaitai-struct-compiler');
const yaml = require('js-yaml');
const KaitaiStream = require('kaitai-struct/KaitaiStream');

// Imports resolve as the engine resolves them: relative ones against the
// main definition's folder (the compiler joins the importing files' folders),
// `/`-rooted ones against each definitions root in turn.
function importer(mainDir, roots) {
  return {
    importYaml(name, mode) {
      const candidates = mode === 'abs' ? roots.map((r) => path.join(r, name + '.ksy')) : [path.resolve(mainDir, name + '.ksy')];
      const found = candidates.find((c) => fs.existsSync(c));
      if (!found) return Promise.reject(new Error('import not found: ' + name + ' (' + mode + ')'));
      return Promise.resolve(yaml.load(fs.readFileSync(found, 'utf8')));
    },
  };
}

function upperCamel(id) {
  return id.split('_').map((p) => p.charAt(0).toUpperCase() + p.slice(1)).join('');
}

// Compiles the definition into `outDir`; returns its top type's class.
async function compileDefinition(ksyPath, roots, outDir) {
  const spec = yaml.load(fs.readFileSync(ksyPath, 'utf8'));
  const files = await compiler.compile('javascript', spec, importer(path.dirname(ksyPath), roots), true);
  fs.mkdirSync(outDir, { recursive: true });
  for (const [name, code] of Object.entries(files)) fs.writeFileSync(path.join(outDir, name), code);
  const className = upperCamel(spec.meta.id);
  return require(path.join(outDir, className + '.js'))[className];
}

// Reads the sample; `error` is the reference's own complaint, if any, and the
// object keeps what was read before it.
function readSample(TopClass, samplePath) {
  const data = fs.readFileSync(samplePath);
  const buffer = new ArrayBuffer(data.length);  // its own buffer, so stream offsets are file offsets
  new Uint8Array(buffer).set(data);
  const root = new TopClass(new KaitaiStream(buffer));
  let error = null;
  try {
    root._read();
  } catch (e) {
    error = String(e && e.message ? e.message : e);
  }
  return { root, buffer, error };
}

module.exports = { compileDefinition, readSample, KaitaiStream };
