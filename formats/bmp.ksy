meta:
  id: bmp
  title: Windows device-independent bitmap (BMP) file
  file-extension:
    - bmp
    - dib
  endian: le
doc: |
  A file header, an information header whose length tells its version
  (12 bytes for the OS/2 core form; 40, 52, 56, 108 or 124 for the Windows
  forms), colour masks for bit-field images, a colour table for images of
  eight bits or fewer per pixel, and the pixel rows where the file header
  says they begin.
seq:
  - id: file_header
    type: file_header
  - id: info_size
    type: u4
  - id: info
    size: info_size - 4
    type:
      switch-on: info_size
      cases:
        12: core_info
        _: info
  - id: bitfield_masks
    type: color_masks(compression == compression::alpha_bitfields)
    if: info_size == 40 and (compression == compression::bitfields or compression == compression::alpha_bitfields)
  - id: color_table
    type: color_entry(info_size != 12)
    repeat: expr
    repeat-expr: color_count
    if: color_count > 0
instances:
  bits_per_pixel:
    value: 'info_size == 12 ? info.as<core_info>.bits_per_pixel : info.as<info>.bits_per_pixel'
  compression:
    value: 'info_size == 12 ? 0 : info.as<info>.compression.to_i'
    enum: compression
  color_count:
    value: |
      bits_per_pixel > 8 ? 0 :
      info_size == 12 or info.as<info>.colors_used == 0 ? 1 << bits_per_pixel :
      info.as<info>.colors_used
  pixels:
    pos: file_header.pixels_offset
    size-eos: true
types:
  file_header:
    seq:
      - id: signature
        contents: BM
      - id: file_size
        type: u4
      - id: reserved1
        type: u2
      - id: reserved2
        type: u2
      - id: pixels_offset
        type: u4
  core_info:
    doc: The OS/2 1.x header (BITMAPCOREHEADER).
    seq:
      - id: width
        type: u2
      - id: height
        type: u2
      - id: planes
        type: u2
      - id: bits_per_pixel
        type: u2
  info:
    doc: |
      The Windows header from version 3 on; each later version adds fields
      at the end, so the header's own bytes decide which are there.
    seq:
      - id: width
        type: s4
      - id: height
        type: s4
        doc: Positive for rows stored bottom-up, negative for top-down.
      - id: planes
        type: u2
      - id: bits_per_pixel
        type: u2
      - id: compression
        type: u4
        enum: compression
      - id: image_size
        type: u4
      - id: x_pixels_per_meter
        type: s4
      - id: y_pixels_per_meter
        type: s4
      - id: colors_used
        type: u4
      - id: colors_important
        type: u4
      - id: masks
        type: color_masks(_io.size > 48)
        if: not _io.eof
      - id: color_space
        type: color_space
        if: not _io.eof
      - id: profile
        type: profile
        if: not _io.eof
  color_masks:
    params:
      - id: has_alpha
        type: bool
    seq:
      - id: red
        type: u4
      - id: green
        type: u4
      - id: blue
        type: u4
      - id: alpha
        type: u4
        if: has_alpha
  color_space:
    seq:
      - id: type
        type: u4
        enum: color_space_type
      - id: endpoints
        type: xyz
        repeat: expr
        repeat-expr: 3
      - id: gamma_red
        type: u4
      - id: gamma_green
        type: u4
      - id: gamma_blue
        type: u4
  xyz:
    doc: A CIE XYZ point in 2.30 fixed point.
    seq:
      - id: x
        type: s4
      - id: y
        type: s4
      - id: z
        type: s4
  profile:
    seq:
      - id: intent
        type: u4
      - id: data_offset
        type: u4
      - id: size
        type: u4
      - id: reserved
        type: u4
  color_entry:
    params:
      - id: has_reserved
        type: bool
    seq:
      - id: blue
        type: u1
      - id: green
        type: u1
      - id: red
        type: u1
      - id: reserved
        type: u1
        if: has_reserved
enums:
  compression:
    0: rgb
    1: rle8
    2: rle4
    3: bitfields
    4: jpeg
    5: png
    6: alpha_bitfields
    11: cmyk
    12: cmyk_rle8
    13: cmyk_rle4
  color_space_type:
    0: calibrated_rgb
    0x73524742: srgb
    0x57696e20: windows
    0x4c494e4b: profile_linked
    0x4d424544: profile_embedded
