// The conformance run: each (definition, sample) pair read by the reference
// implementation and by nibstruct, field by field.
//   node compare.js --nibstruct PATH --work DIR [--library KSY_DIR] [--pairs FILE]... [--pairs-dir DIR]
//                   [--formats DIR] [--goal PERCENT] [--only SUBSTRING]
// --library: a folder with formats/<category>/<id>.ksy and samples/<category>/<id>/<files>.
// --pairs: a manifest, one "DEFINITION SAMPLE" pair a line (paths relative to
//   the manifest's folder; `#` starts a comment); --pairs-dir: every *.txt in it.
// --formats: definitions that must load on both sides, and the root for their `/` imports.
// Exits 1 when a definition fails to load, a sample fails to parse in nibstruct
// but not in the reference, or fewer than PERCENT of the fields agree.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');
const { compileDefinition, readSample } = require('./reference');
const { TreeComparison } = require('./tree-compare');

const LOAD_FAILED = 2;
// Companions of the samples that describe them rather than being samples.
const NOT_SAMPLES = new Set(['.md', '.txt', '.json', '.py', '.java', '.dts', '.license']);
const SHOWN_DIFFERENCES = Number(process.env.CONFORMANCE_SHOWN || 12);

function parseArgs(argv) {
  const args = { pairs: [], goal: 99 };
  for (let i = 0; i < argv.length; i += 2) {
    const key = argv[i].replace(/^--/, '');
    if (key === 'pairs') args.pairs.push(argv[i + 1]);
    else args[key.replace(/-(.)/g, (m, c) => c.toUpperCase())] = argv[i + 1];
  }
  if (!args.nibstruct || !args.work) throw new Error('usage: compare.js --nibstruct PATH --work DIR [...]');
  args.goal = Number(args.goal);
  args.work = path.resolve(args.work);
  return args;
}

// samples/<category>/<id>/<file> belongs to formats/<category>/<id>.ksy.
function libraryPairs(library) {
  const pairs = [];
  const samples = path.join(library, 'samples');
  for (const category of fs.readdirSync(samples)) {
    const categoryDir = path.join(samples, category);
    if (!fs.statSync(categoryDir).isDirectory() || category === 'LICENSES') continue;
    for (const id of fs.readdirSync(categoryDir)) {
      const ksy = path.join(library, 'formats', category, id + '.ksy');
      const dir = path.join(categoryDir, id);
      if (!fs.existsSync(ksy)) continue;
      for (const file of fs.readdirSync(dir).sort()) {
        const sample = path.join(dir, file);
        if (!NOT_SAMPLES.has(path.extname(file)) && fs.existsSync(sample + '.license')) pairs.push({ ksy, sample, root: path.join(library, 'formats') });
      }
    }
  }
  return pairs;
}

function manifestPairs(manifest, formatsRoot) {
  const dir = path.dirname(manifest);
  return fs.readFileSync(manifest, 'utf8').split('\n').map((l) => l.replace(/#.*/, '').trim()).filter(Boolean).map((line) => {
    const [ksy, sample] = line.split(/\s+/);
    return { ksy: path.resolve(dir, ksy), sample: path.resolve(dir, sample), root: formatsRoot || path.dirname(path.resolve(dir, ksy)) };
  });
}

function runNibstruct(args, ksy, sample, root) {
  try {
    return { status: 0, tree: JSON.parse(execFileSync(args.nibstruct, ['--definitions', root, ksy, sample], { maxBuffer: 1 << 30, stdio: ['ignore', 'pipe', 'pipe'] })) };
  } catch (e) {
    if (e.status === LOAD_FAILED || e.status === null) return { status: e.status, message: String(e.stderr).trim() };
    return { status: e.status, tree: JSON.parse(e.stdout) };
  }
}

async function main() {
  const args = parseArgs(process.argv.slice(2));
  let pairs = [];
  if (args.library && fs.existsSync(path.join(args.library, 'samples'))) pairs = pairs.concat(libraryPairs(args.library));
  else if (args.library) console.log('note: no format library at ' + args.library + '; its samples are skipped');
  const manifests = args.pairs.slice();
  if (args.pairsDir && fs.existsSync(args.pairsDir))
    for (const f of fs.readdirSync(args.pairsDir).sort()) if (f.endsWith('.txt')) manifests.push(path.join(args.pairsDir, f));
  for (const m of manifests) pairs = pairs.concat(manifestPairs(m, args.formats));
  if (args.formats && fs.existsSync(args.formats)) {
    for (const f of fs.readdirSync(args.formats, { recursive: true })) {
      if (f.endsWith('.ksy')) pairs.push({ ksy: path.join(args.formats, f), sample: null, root: args.formats });
    }
  }
  if (args.only) pairs = pairs.filter((p) => (p.sample || p.ksy).includes(args.only));

  const failures = [];
  const classes = new Map();
  const total = new TreeComparison();
  const emptyFile = path.join(args.work, 'empty.bin');
  fs.mkdirSync(args.work, { recursive: true });
  fs.writeFileSync(emptyFile, '');
  let samplesParsed = 0, samples = 0;
  for (const pair of pairs) {
    const label = path.basename(pair.ksy) + (pair.sample ? ' on ' + path.relative(path.dirname(pair.root), pair.sample) : '');
    if (!classes.has(pair.ksy)) {
      const outDir = path.join(args.work, 'generated', String(classes.size));
      classes.set(pair.ksy, await compileDefinition(pair.ksy, [pair.root], outDir).catch((e) => ({ error: String(e && e.message ? e.message : e) })));
    }
    const TopClass = classes.get(pair.ksy);
    const nib = runNibstruct(args, pair.ksy, pair.sample || emptyFile, pair.root);
    if (nib.status === LOAD_FAILED || nib.status === null) failures.push(label + ': nibstruct does not load the definition: ' + nib.message);
    if (TopClass.error) console.log(label + ': the reference implementation does not compile it: ' + TopClass.error);
    if (!pair.sample || TopClass.error || !nib.tree) continue;

    ++samples;
    const ref = readSample(TopClass, pair.sample);
    const comparison = new TreeComparison();
    comparison.compareObject(ref.root, nib.tree.root, '', 0, 0);
    const refError = ref.error || comparison.referenceErrors[0];
    if (nib.status === 0) ++samplesParsed;
    else if (!refError) failures.push(label + ': nibstruct stops at ' + JSON.stringify(nib.tree.error) + ', the reference implementation reads it whole');
    total.fields += comparison.fields;
    total.agreeing += comparison.agreeing;
    const percent = comparison.fields ? ((100 * comparison.agreeing) / comparison.fields).toFixed(2) : '-';
    console.log(`${label}: ${comparison.agreeing} of ${comparison.fields} fields agree (${percent}%)` +
      (refError ? '; the reference implementation stops: ' + refError : '') + (nib.tree.error ? '; nibstruct stops: ' + nib.tree.error.message + ' at ' + nib.tree.error.path : ''));
    for (const d of comparison.differences.slice(0, SHOWN_DIFFERENCES)) console.log(`  ${d.path}: ${d.what}: reference ${d.ref}, nibstruct ${d.nib}`);
    for (const e of comparison.extra.slice(0, SHOWN_DIFFERENCES)) console.log(`  ${e}: only nibstruct shows it`);
    if (comparison.differences.length > SHOWN_DIFFERENCES) console.log(`  ... ${comparison.differences.length - SHOWN_DIFFERENCES} more`);
  }
  const percent = total.fields ? (100 * total.agreeing) / total.fields : 100;
  console.log(`\n${classes.size} definitions, ${samplesParsed} of ${samples} samples parsed whole by nibstruct, ` +
    `${total.agreeing} of ${total.fields} fields agree (${percent.toFixed(2)}%; goal ${args.goal}%)`);
  if (percent < args.goal) failures.push(`fields agreeing: ${percent.toFixed(2)}% is below the goal of ${args.goal}%`);
  for (const f of failures) console.log('FAILED: ' + f);
  process.exitCode = failures.length ? 1 : 0;
}

main().catch((e) => {
  console.error(e && e.stack ? e.stack : e);
  process.exitCode = 1;
});
