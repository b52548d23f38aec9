meta:
  id: zip
  title: ZIP archive
  file-extension:
    - zip
    - jar
    - docx
    - xlsx
    - odt
    - apk
  endian: le
doc: |
  Read the way archivers read it: the end of central directory record at
  the end of the file, the central directory it points at, and from each
  directory entry the local header and data of its file. The record is
  looked for just before the end of the file, so an archive that ends in
  a comment fails its signature check.
instances:
  end_of_central_dir:
    pos: _io.size - 22
    type: end_of_central_dir
types:
  end_of_central_dir:
    seq:
      - id: signature
        contents: [P, K, 5, 6]
      - id: disk
        type: u2
      - id: central_dir_disk
        type: u2
      - id: entries_on_disk
        type: u2
      - id: entry_count
        type: u2
      - id: central_dir_size
        type: u4
      - id: central_dir_offset
        type: u4
      - id: comment_length
        type: u2
      - id: comment
        type: str
        size: comment_length
        encoding: UTF-8
    instances:
      central_dir:
        pos: central_dir_offset
        size: central_dir_size
        type: central_dir
  central_dir:
    seq:
      - id: entries
        type: central_dir_entry
        repeat: eos
  central_dir_entry:
    seq:
      - id: signature
        contents: [P, K, 1, 2]
      - id: version_made_by
        type: u2
      - id: version_needed
        type: u2
      - id: flags
        type: u2
      - id: compression
        type: u2
        enum: compression
      - id: modified
        type: dos_datetime
      - id: crc32
        type: u4
      - id: compressed_size
        type: u4
      - id: uncompressed_size
        type: u4
      - id: name_length
        type: u2
      - id: extra_length
        type: u2
      - id: comment_length
        type: u2
      - id: disk_start
        type: u2
      - id: internal_attributes
        type: u2
      - id: external_attributes
        type: u4
      - id: local_header_offset
        type: u4
      - id: name
        type: str
        size: name_length
        encoding: UTF-8
      - id: extra
        type: extra_fields
        size: extra_length
      - id: comment
        type: str
        size: comment_length
        encoding: UTF-8
    instances:
      local_file:
        io: _root._io
        pos: local_header_offset
        type: local_file
  local_file:
    seq:
      - id: signature
        contents: [P, K, 3, 4]
      - id: version_needed
        type: u2
      - id: flags
        type: u2
      - id: compression
        type: u2
        enum: compression
      - id: modified
        type: dos_datetime
      - id: crc32
        type: u4
      - id: compressed_size
        type: u4
        doc: Zero when flag bit 3 puts the sizes in a descriptor after the data.
      - id: uncompressed_size
        type: u4
      - id: name_length
        type: u2
      - id: extra_length
        type: u2
      - id: name
        type: str
        size: name_length
        encoding: UTF-8
      - id: extra
        type: extra_fields
        size: extra_length
      - id: data
        size: _parent.compressed_size
        doc: The central directory's size, right even when this header leaves it zero.
  dos_datetime:
    seq:
      - id: time
        type: u2
      - id: date
        type: u2
    instances:
      year:
        value: 1980 + (date >> 9)
      month:
        value: (date >> 5) & 15
      day:
        value: date & 31
      hour:
        value: time >> 11
      minute:
        value: (time >> 5) & 63
      second:
        value: (time & 31) * 2
  extra_fields:
    seq:
      - id: fields
        type: extra_field
        repeat: eos
  extra_field:
    seq:
      - id: id
        type: u2
        enum: extra_id
      - id: length
        type: u2
      - id: data
        size: length
enums:
  compression:
    0: stored
    1: shrunk
    6: imploded
    8: deflated
    9: deflate64
    12: bzip2
    14: lzma
    93: zstandard
    95: xz
    98: ppmd
    99: aes_encrypted
  extra_id:
    0x0001: zip64
    0x000a: ntfs
    0x5455: extended_timestamp
    0x5855: info_zip_unix_old
    0x7075: unicode_path
    0x7875: info_zip_unix
