meta:
  id: elf
  title: Executable and Linkable Format (ELF) file
  file-extension:
    - elf
    - o
    - so
    - axf
  # The identification bytes are single bytes; the header reads in the
  # byte order they name.
  endian: le
doc: |
  The identification bytes, which say whether the file is 32- or 64-bit and
  its byte order, then the file header in that byte order and size, with the
  program header table and the section header table at the offsets it gives.
  Sections are named from the section-name string table.
seq:
  - id: ident
    type: ident
  - id: header
    type: header
types:
  ident:
    seq:
      - id: magic
        contents: [0x7f, E, L, F]
      - id: file_class
        type: u1
        enum: file_class
      - id: data_encoding
        type: u1
        enum: data_encoding
      - id: version
        type: u1
      - id: os_abi
        type: u1
        enum: os_abi
      - id: abi_version
        type: u1
      - id: padding
        size: 7
  header:
    meta:
      endian:
        switch-on: _root.ident.data_encoding
        cases:
          data_encoding::lsb: le
          data_encoding::msb: be
    seq:
      - id: type
        type: u2
        enum: object_type
      - id: machine
        type: u2
        enum: machine
      - id: version
        type: u4
      - id: entry
        type:
          switch-on: _root.ident.file_class
          cases:
            file_class::bits64: u8
            _: u4
      - id: program_headers_offset
        type:
          switch-on: _root.ident.file_class
          cases:
            file_class::bits64: u8
            _: u4
      - id: section_headers_offset
        type:
          switch-on: _root.ident.file_class
          cases:
            file_class::bits64: u8
            _: u4
      - id: flags
        type: u4
      - id: header_size
        type: u2
      - id: program_header_size
        type: u2
      - id: program_header_count
        type: u2
      - id: section_header_size
        type: u2
      - id: section_header_count
        type: u2
      - id: section_names_index
        type: u2
    instances:
      program_headers:
        pos: program_headers_offset
        size: program_header_size
        type: program_header
        repeat: expr
        repeat-expr: program_header_count
      section_headers:
        pos: section_headers_offset
        size: section_header_size
        type: section_header
        repeat: expr
        repeat-expr: section_header_count
      section_names:
        pos: section_headers[section_names_index].offset
        size: section_headers[section_names_index].size
        type: string_table
        if: section_names_index != 0 and section_names_index < section_header_count
    types:
      program_header:
        seq:
          - id: type
            type: u4
            enum: segment_type
          - id: flags64
            type: u4
            if: _root.ident.file_class == file_class::bits64
          - id: offset
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: virtual_address
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: physical_address
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: file_size
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: memory_size
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: flags32
            type: u4
            if: _root.ident.file_class != file_class::bits64
          - id: align
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
        instances:
          flags:
            value: '_root.ident.file_class == file_class::bits64 ? flags64 : flags32'
            doc: Bit 0 execute, bit 1 write, bit 2 read.
      section_header:
        seq:
          - id: name_offset
            type: u4
          - id: type
            type: u4
            enum: section_type
          - id: flags
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: address
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: offset
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: size
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: link
            type: u4
          - id: info
            type: u4
          - id: align
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
          - id: entry_size
            type:
              switch-on: _root.ident.file_class
              cases:
                file_class::bits64: u8
                _: u4
        instances:
          name:
            io: _parent.section_names._io
            pos: name_offset
            type: strz
            encoding: UTF-8
            if: _parent.section_names_index != 0 and _parent.section_names_index < _parent.section_header_count
      string_table:
        seq:
          - id: strings
            type: strz
            encoding: UTF-8
            repeat: eos
enums:
  file_class:
    1: bits32
    2: bits64
  data_encoding:
    1: lsb
    2: msb
  os_abi:
    0: system_v
    1: hp_ux
    2: netbsd
    3: linux
    6: solaris
    7: aix
    8: irix
    9: freebsd
    12: openbsd
    97: arm
    255: standalone
  object_type:
    0: none
    1: relocatable
    2: executable
    3: shared
    4: core
  machine:
    0: none
    2: sparc
    3: x86
    8: mips
    20: powerpc
    21: powerpc64
    22: s390
    40: arm
    42: superh
    43: sparcv9
    50: ia_64
    62: x86_64
    183: aarch64
    243: riscv
    247: bpf
    258: loongarch
  segment_type:
    0: unused
    1: load
    2: dynamic
    3: interp
    4: note
    5: shlib
    6: program_header
    7: tls
    0x6474e550: gnu_eh_frame
    0x6474e551: gnu_stack
    0x6474e552: gnu_relro
    0x6474e553: gnu_property
  section_type:
    0: unused
    1: progbits
    2: symtab
    3: strtab
    4: rela
    5: hash
    6: dynamic
    7: note
    8: nobits
    9: rel
    10: shlib
    11: dynsym
    14: init_array
    15: fini_array
    16: preinit_array
    17: group
    18: symtab_shndx
    0x6ffffff6: gnu_hash
    0x6ffffffd: gnu_verdef
    0x6ffffffe: gnu_verneed
    0x6fffffff: gnu_versym
