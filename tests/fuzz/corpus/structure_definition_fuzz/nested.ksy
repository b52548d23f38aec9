meta: {id: n, endian: be, imports: [other]}
params: []
seq:
  - {id: kids, type: kid(_index), repeat: expr, repeat-expr: 3}
types:
  kid:
    params: [{id: i, type: u1}]
    seq:
      - {id: len, type: u1}
      - {id: body, size: len, process: xor(i), type: {switch-on: i, cases: {0: kid(1), _: u1}}}
    instances:
      up: {value: _parent.kids.size + _root._io.pos + sizeof<u4>}
