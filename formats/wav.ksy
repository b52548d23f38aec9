meta:
  id: wav
  title: Waveform audio (WAV) file
  file-extension:
    - wav
    - wave
  endian: le
doc: |
  A RIFF file of form WAVE: chunks, each an identifier, a length and that
  many bytes, padded to an even length. "fmt " tells how the samples are
  stored, "data" holds them; "fact", "LIST" (INFO text entries) and "cue "
  are laid out too, any other chunk stays bytes.
seq:
  - id: riff
    contents: RIFF
  - id: riff_size
    type: u4
    doc: The bytes that follow this field, the form type included.
  - id: form
    contents: WAVE
  - id: chunks
    type: chunk
    repeat: eos
types:
  chunk:
    seq:
      - id: id
        type: str
        size: 4
        encoding: ASCII
      - id: length
        type: u4
      - id: body
        size: length
        type:
          switch-on: id
          cases:
            '"fmt "': format
            '"fact"': fact
            '"LIST"': list
            '"cue "': cue_points
      - id: pad
        size: 1
        if: length % 2 == 1 and not _io.eof
  format:
    seq:
      - id: format_tag
        type: u2
        enum: format_tag
      - id: channels
        type: u2
      - id: sample_rate
        type: u4
      - id: bytes_per_second
        type: u4
      - id: block_align
        type: u2
      - id: bits_per_sample
        type: u2
      - id: extra_size
        type: u2
        if: not _io.eof
      - id: extensible
        type: extensible
        size: extra_size
        if: not _io.eof and format_tag == format_tag::extensible
      - id: extra
        size: extra_size
        if: not _io.eof and format_tag != format_tag::extensible
  extensible:
    seq:
      - id: valid_bits_per_sample
        type: u2
      - id: channel_mask
        type: u4
      - id: subformat
        type: guid
  guid:
    seq:
      - id: data1
        type: u4
      - id: data2
        type: u2
      - id: data3
        type: u2
      - id: data4
        size: 8
    instances:
      format_tag:
        value: data1
        enum: format_tag
        doc: The first field of the standard sub-format GUIDs is the format tag.
  fact:
    seq:
      - id: sample_frames
        type: u4
  list:
    seq:
      - id: list_type
        type: str
        size: 4
        encoding: ASCII
      - id: entries
        type: info_entry
        repeat: eos
  info_entry:
    seq:
      - id: id
        type: str
        size: 4
        encoding: ASCII
      - id: length
        type: u4
      - id: text
        type: strz
        size: length
        encoding: ASCII
      - id: pad
        size: 1
        if: length % 2 == 1 and not _io.eof
  cue_points:
    seq:
      - id: count
        type: u4
      - id: points
        type: cue_point
        repeat: expr
        repeat-expr: count
  cue_point:
    seq:
      - id: id
        type: u4
      - id: position
        type: u4
      - id: chunk_id
        type: str
        size: 4
        encoding: ASCII
      - id: chunk_start
        type: u4
      - id: block_start
        type: u4
      - id: sample_offset
        type: u4
enums:
  format_tag:
    0x0001: pcm
    0x0002: adpcm
    0x0003: ieee_float
    0x0006: alaw
    0x0007: mulaw
    0x0011: ima_adpcm
    0x0050: mpeg
    0x0055: mpeg_layer3
    0xfffe: extensible
