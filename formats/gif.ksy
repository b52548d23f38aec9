meta:
  id: gif
  title: Graphics Interchange Format (GIF) image
  file-extension: gif
  endian: le
doc: |
  The header and logical screen, the global colour table when the screen
  has one, then blocks up to the trailer: images (descriptor, local colour
  table, LZW data in sub-blocks) and extensions (graphic control, comment,
  application, plain text), each extension's data in sub-blocks.
seq:
  - id: header
    type: header
  - id: screen
    type: logical_screen
  - id: global_color_table
    type: rgb
    repeat: expr
    repeat-expr: 2 << screen.color_table_size
    if: screen.has_color_table
  - id: blocks
    type: block
    repeat: until
    repeat-until: _.kind == block_kind::trailer or _io.eof
types:
  header:
    seq:
      - id: signature
        contents: GIF
      - id: version
        type: str
        size: 3
        encoding: ASCII
  logical_screen:
    seq:
      - id: width
        type: u2
      - id: height
        type: u2
      - id: has_color_table
        type: b1
      - id: color_resolution
        type: b3
      - id: sorted
        type: b1
      - id: color_table_size
        type: b3
        doc: The table holds 2 << color_table_size entries.
      - id: background_color_index
        type: u1
      - id: pixel_aspect_ratio
        type: u1
  rgb:
    seq:
      - id: red
        type: u1
      - id: green
        type: u1
      - id: blue
        type: u1
  block:
    seq:
      - id: kind
        type: u1
        enum: block_kind
      - id: body
        type:
          switch-on: kind
          cases:
            block_kind::extension: extension
            block_kind::image: image
  image:
    seq:
      - id: left
        type: u2
      - id: top
        type: u2
      - id: width
        type: u2
      - id: height
        type: u2
      - id: has_color_table
        type: b1
      - id: interlaced
        type: b1
      - id: sorted
        type: b1
      - id: reserved
        type: b2
      - id: color_table_size
        type: b3
      - id: local_color_table
        type: rgb
        repeat: expr
        repeat-expr: 2 << color_table_size
        if: has_color_table
      - id: lzw_min_code_size
        type: u1
      - id: data
        type: sub_blocks
  extension:
    seq:
      - id: label
        type: u1
        enum: extension_label
      - id: body
        type:
          switch-on: label
          cases:
            extension_label::graphic_control: graphic_control
            extension_label::application: application
            extension_label::comment: comment
            _: sub_blocks
  graphic_control:
    seq:
      - id: block_size
        contents: [4]
      - id: reserved
        type: b3
      - id: disposal_method
        type: b3
        enum: disposal_method
      - id: wants_user_input
        type: b1
      - id: has_transparent_color
        type: b1
      - id: delay_centiseconds
        type: u2
      - id: transparent_color_index
        type: u1
      - id: terminator
        contents: [0]
  application:
    seq:
      - id: block_size
        contents: [11]
      - id: identifier
        type: str
        size: 8
        encoding: ASCII
      - id: authentication_code
        size: 3
      - id: data
        type: sub_blocks
  comment:
    seq:
      - id: text
        type: sub_blocks
  sub_blocks:
    doc: Data in blocks of up to 255 bytes, each after its length; a zero length ends them.
    seq:
      - id: blocks
        type: sub_block
        repeat: until
        repeat-until: _.len_bytes == 0
  sub_block:
    seq:
      - id: len_bytes
        type: u1
      - id: bytes
        size: len_bytes
enums:
  block_kind:
    0x21: extension
    0x2c: image
    0x3b: trailer
  extension_label:
    0x01: plain_text
    0xf9: graphic_control
    0xfe: comment
    0xff: application
  disposal_method:
    0: unspecified
    1: keep
    2: restore_background
    3: restore_previous
