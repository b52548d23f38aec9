meta: {id: e, endian: le}
seq:
  - {id: a, type: u2, valid: {min: 1, max: 0xffff}}
  - {id: b, size: a % 7, type: str, encoding: ASCII, if: a > 3 and not (a & 1 == 0)}
  - {id: c, type: b3, repeat: until, repeat-until: _ == 0 or _io.eof}
instances:
  d: {value: '[1, 2, 3].max * a / 2 + (b.length > 0 ? b.to_i(16) : -1) % 5'}
  e: {pos: _io.size - 4, type: u4be, enum: k}
  f: {value: 'e == k::one ? "x".reverse : c.first.to_s'}
enums:
  k: {1: one, 0x10: two}
