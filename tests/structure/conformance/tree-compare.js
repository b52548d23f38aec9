// Walks the reference implementation's object tree beside nibstruct's JSON
// tree and counts the reference's fields that agree in offset, size and value.
// Fields match by their path of ids (the reference's camelCase ids are the
// engine's snake_case ids joined).
'use strict';
const { KaitaiStream } = require('./reference');

const MAX_DEPTH = 200;

function camel(id) {
  return id.replace(/_([a-z0-9])/g, (m, c) => c.toUpperCase());
}

function upperCamel(id) {
  return id.split('_').map((p) => p.charAt(0).toUpperCase() + p.slice(1)).join('');
}

function hex(bytes) {
  return Buffer.from(bytes.buffer, bytes.byteOffset, bytes.length).toString('hex');
}

function isObject(v) {
  return v !== null && typeof v === 'object' && v._io instanceof KaitaiStream && v._debug !== undefined;
}

// The instances a generated class computes on request (getters on its prototype).
function instanceNames(object) {
  const names = [];
  for (let proto = Object.getPrototypeOf(object); proto && proto !== Object.prototype; proto = Object.getPrototypeOf(proto)) {
    for (const [name, d] of Object.entries(Object.getOwnPropertyDescriptors(proto))) if (d.get && !name.startsWith('_')) names.push(name);
  }
  return names;
}

// A seq field, or an instance's value when it could be computed.
function memberOf(object, name) {
  if (Object.prototype.hasOwnProperty.call(object, '_m_' + name)) return object['_m_' + name];
  try {
    return object[name];
  } catch (e) {
    return undefined;
  }
}

function shown(v) {
  if (v instanceof Uint8Array) return hex(v).slice(0, 64);
  if (isObject(v)) return '{object}';
  if (Array.isArray(v)) return '[' + v.length + ' items]';
  if (v instanceof KaitaiStream) return '{stream}';
  return JSON.stringify(v);
}

// Leaves: numbers past 2^53 are doubles on both sides after JSON parsing.
function leafEqual(ref, nib) {
  if (ref instanceof Uint8Array) return nib === hex(ref);
  if (typeof ref === 'number') return Number.isFinite(ref) ? nib === ref : nib === null;
  if (typeof ref === 'bigint') return typeof nib === 'number' && Number(ref) === nib;
  if (Array.isArray(ref)) return Array.isArray(nib) && nib.length === ref.length && ref.every((r, i) => leafEqual(r, nib[i]));
  if (ref instanceof KaitaiStream) return nib === undefined;
  return nib === ref;
}

class TreeComparison {
  constructor() {
    this.fields = 0;
    this.agreeing = 0;
    this.differences = [];
    this.referenceErrors = [];
    this.extra = [];  // fields only nibstruct shows
  }

  difference(path, what, ref, nib) {
    this.differences.push({ path, what, ref: String(ref), nib: String(nib) });
  }

  // `base` maps stream offsets to the offsets nibstruct shows: 0 in the file,
  // the decoded bytes' start inside a processed field.
  compareObject(ref, nib, path, base, depth) {
    if (depth > MAX_DEPTH) return;
    const nibFields = new Map();
    if (nib && nib.fields) for (const f of nib.fields) nibFields.set(camel(f.name), f);
    const seen = new Set();
    for (const name of instanceNames(ref)) {
      try {
        void ref[name];
      } catch (e) {
        this.referenceErrors.push(path + '.' + name + ': ' + (e && e.message ? e.message : e));
      }
    }
    const keys = Object.keys(ref._debug).map((k) => (k.startsWith('_m_') ? k.slice(3) : k)).concat(instanceNames(ref));
    for (const name of keys) {
      if (seen.has(name)) continue;
      seen.add(name);
      const debug = ref._debug[name] || ref._debug['_m_' + name];
      const value = memberOf(ref, name);
      if (value === undefined || value === null) continue;  // an `if` that was false
      const processed = Object.prototype.hasOwnProperty.call(ref, '_raw__raw_' + name);
      this.compareField(value, debug, nibFields.get(name), path + '.' + name, base, processed, depth);
    }
    for (const [name, f] of nibFields) if (!seen.has(name)) this.extra.push(path + '.' + name + ' (' + f.kind + ')');
  }

  compareField(value, debug, nib, path, base, processed, depth) {
    ++this.fields;
    if (!nib) {
      this.difference(path, 'missing in nibstruct', shown(value), '-');
      return;
    }
    let agrees = this.comparePlace(debug, nib, path, base);
    if (Array.isArray(value) && nib.items) {
      if (nib.items.length !== value.length) {
        this.difference(path, 'count', value.length, nib.items.length);
        agrees = false;
      }
      value.forEach((v, i) => {
        const d = debug && debug.arr ? debug.arr[i] : undefined;
        this.compareField(v, d, nib.items[i], path + '[' + i + ']', base, processed, depth + 1);
      });
    } else if (isObject(value) && !nib.fields && !(debug && debug.start !== undefined)) {
      // A value instance naming an object elsewhere in the tree: nibstruct shows its type only.
      if (upperCamel(nib.type) !== value.constructor.name) {
        this.difference(path, 'type', value.constructor.name, nib.type);
        agrees = false;
      }
    } else if (isObject(value)) {
      if (!nib.fields) {
        this.difference(path, 'value', '{object}', shown(nib.value));
        agrees = false;
      } else {
        this.compareObject(value, nib, path, processed ? value._io.byteOffset : base, depth + 1);
      }
    } else if (!leafEqual(value, nib.value)) {
      // Long text: from where the two part.
      let at = 0;
      if (typeof value === 'string' && typeof nib.value === 'string') while (value[at] === nib.value[at]) ++at;
      const from = (t) => (at > 0 ? '@' + at + ' ' : '') + t;
      this.difference(path, 'value', from(shown(at ? value.slice(at, at + 16) : value)), from(JSON.stringify(at ? nib.value.slice(at, at + 16) : nib.value)));
      agrees = false;
    }
    if (agrees) ++this.agreeing;
  }

  // Bit fields: the reference records the stream position, which for a field
  // starting mid-byte is the byte after the one holding its first bit.
  comparePlace(debug, nib, path, base) {
    if (!debug || debug.start === undefined) return true;  // value instances have no place
    const start = debug.ioOffset + debug.start - (nib.stream ? base : 0);
    const end = debug.end === undefined ? undefined : debug.ioOffset + debug.end - (nib.stream ? base : 0);
    const nibStart = nib.offset + (nib.bitSize && nib.bitOffset > 0 ? 1 : 0);
    const nibEnd = nib.offset + nib.size;
    if (start === nibStart && (end === undefined || end === nibEnd)) return true;
    this.difference(path, 'place', start + '..' + end, nibStart + '..' + nibEnd);
    return false;
  }
}

module.exports = { TreeComparison };
