meta:
  id: png
  title: Portable Network Graphics (PNG) image
  file-extension: png
  endian: be
doc: |
  The eight-byte signature, then chunks up to IEND. Every chunk is its
  length, a four-letter type, its data and a CRC-32 over type and data.
  The data of the common ancillary chunks is laid out; image data (IDAT)
  and the chunks whose form depends on the colour type stay bytes.
seq:
  - id: signature
    contents: [0x89, P, N, G, 0x0d, 0x0a, 0x1a, 0x0a]
  - id: chunks
    type: chunk
    repeat: until
    repeat-until: _.type == "IEND" or _io.eof
types:
  chunk:
    seq:
      - id: length
        type: u4
      - id: type
        type: str
        size: 4
        encoding: ASCII
      - id: body
        size: length
        type:
          switch-on: type
          cases:
            '"IHDR"': header
            '"PLTE"': palette
            '"gAMA"': gamma
            '"cHRM"': chromaticities
            '"sRGB"': srgb
            '"pHYs"': physical_size
            '"tIME"': modified_time
            '"tEXt"': text
            '"zTXt"': compressed_text
            '"iTXt"': international_text
      - id: crc
        type: u4
        doc: CRC-32 of the type and the data.
  header:
    seq:
      - id: width
        type: u4
      - id: height
        type: u4
      - id: bit_depth
        type: u1
      - id: color_type
        type: u1
        enum: color_type
      - id: compression_method
        type: u1
      - id: filter_method
        type: u1
      - id: interlace_method
        type: u1
        enum: interlace_method
  palette:
    seq:
      - id: entries
        type: rgb
        repeat: eos
  rgb:
    seq:
      - id: red
        type: u1
      - id: green
        type: u1
      - id: blue
        type: u1
  gamma:
    seq:
      - id: gamma_times_100000
        type: u4
    instances:
      gamma:
        value: gamma_times_100000 / 100000.0
  chromaticities:
    doc: Each coordinate times 100000.
    seq:
      - id: white_point
        type: point
      - id: red
        type: point
      - id: green
        type: point
      - id: blue
        type: point
  point:
    seq:
      - id: x
        type: u4
      - id: y
        type: u4
  srgb:
    seq:
      - id: rendering_intent
        type: u1
        enum: rendering_intent
  physical_size:
    seq:
      - id: pixels_per_unit_x
        type: u4
      - id: pixels_per_unit_y
        type: u4
      - id: unit
        type: u1
        enum: unit
  modified_time:
    seq:
      - id: year
        type: u2
      - id: month
        type: u1
      - id: day
        type: u1
      - id: hour
        type: u1
      - id: minute
        type: u1
      - id: second
        type: u1
  text:
    seq:
      - id: keyword
        type: strz
        encoding: ISO-8859-1
      - id: text
        type: str
        size-eos: true
        encoding: ISO-8859-1
  compressed_text:
    seq:
      - id: keyword
        type: strz
        encoding: ISO-8859-1
      - id: compression_method
        type: u1
      - id: text
        type: latin1_text
        size-eos: true
        process: zlib
  latin1_text:
    seq:
      - id: text
        type: str
        size-eos: true
        encoding: ISO-8859-1
  international_text:
    seq:
      - id: keyword
        type: strz
        encoding: ISO-8859-1
      - id: compressed
        type: u1
      - id: compression_method
        type: u1
      - id: language
        type: strz
        encoding: ASCII
      - id: translated_keyword
        type: strz
        encoding: UTF-8
      - id: text
        size-eos: true
        doc: UTF-8 text, deflated when `compressed` is 1.
enums:
  color_type:
    0: greyscale
    2: truecolor
    3: indexed
    4: greyscale_alpha
    6: truecolor_alpha
  interlace_method:
    0: none
    1: adam7
  rendering_intent:
    0: perceptual
    1: relative_colorimetric
    2: saturation
    3: absolute_colorimetric
  unit:
    0: unknown
    1: meter
