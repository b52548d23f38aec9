meta:
  id: pe
  title: Portable Executable (PE) file, with its DOS header
  file-extension:
    - exe
    - dll
    - sys
    - ocx
    - efi
  endian: le
doc: |
  The DOS header, whose last field points at the PE signature; then the
  COFF file header, the optional header (PE32 or PE32+, with its data
  directories) and the section table, each section's raw data where its
  header says it lies.
seq:
  - id: dos_header
    type: dos_header
instances:
  pe:
    pos: dos_header.pe_offset
    type: pe_header
types:
  dos_header:
    seq:
      - id: magic
        contents: MZ
      - id: last_page_bytes
        type: u2
      - id: page_count
        type: u2
      - id: relocation_count
        type: u2
      - id: header_paragraphs
        type: u2
      - id: min_extra_paragraphs
        type: u2
      - id: max_extra_paragraphs
        type: u2
      - id: initial_ss
        type: u2
      - id: initial_sp
        type: u2
      - id: checksum
        type: u2
      - id: initial_ip
        type: u2
      - id: initial_cs
        type: u2
      - id: relocation_table_offset
        type: u2
      - id: overlay_number
        type: u2
      - id: reserved1
        size: 8
      - id: oem_id
        type: u2
      - id: oem_info
        type: u2
      - id: reserved2
        size: 20
      - id: pe_offset
        type: u4
  pe_header:
    seq:
      - id: signature
        contents: [P, E, 0, 0]
      - id: coff
        type: coff_header
      - id: optional_header
        type: optional_header
        size: coff.optional_header_size
        if: coff.optional_header_size > 0
      - id: sections
        type: section
        repeat: expr
        repeat-expr: coff.section_count
  coff_header:
    seq:
      - id: machine
        type: u2
        enum: machine
      - id: section_count
        type: u2
      - id: time_date_stamp
        type: u4
      - id: symbol_table_offset
        type: u4
      - id: symbol_count
        type: u4
      - id: optional_header_size
        type: u2
      - id: characteristics
        type: u2
        doc: 0x0002 executable image, 0x0020 large addresses, 0x0100 32-bit machine, 0x2000 DLL.
  optional_header:
    seq:
      - id: magic
        type: u2
        enum: optional_magic
      - id: linker_major
        type: u1
      - id: linker_minor
        type: u1
      - id: code_size
        type: u4
      - id: initialized_data_size
        type: u4
      - id: uninitialized_data_size
        type: u4
      - id: entry_point
        type: u4
      - id: code_base
        type: u4
      - id: data_base
        type: u4
        if: magic == optional_magic::pe32
      - id: image_base
        type: address(magic == optional_magic::pe32_plus)
      - id: section_alignment
        type: u4
      - id: file_alignment
        type: u4
      - id: os_major
        type: u2
      - id: os_minor
        type: u2
      - id: image_major
        type: u2
      - id: image_minor
        type: u2
      - id: subsystem_major
        type: u2
      - id: subsystem_minor
        type: u2
      - id: win32_version
        type: u4
      - id: image_size
        type: u4
      - id: headers_size
        type: u4
      - id: checksum
        type: u4
      - id: subsystem
        type: u2
        enum: subsystem
      - id: dll_characteristics
        type: u2
      - id: stack_reserve
        type: address(magic == optional_magic::pe32_plus)
      - id: stack_commit
        type: address(magic == optional_magic::pe32_plus)
      - id: heap_reserve
        type: address(magic == optional_magic::pe32_plus)
      - id: heap_commit
        type: address(magic == optional_magic::pe32_plus)
      - id: loader_flags
        type: u4
      - id: data_directory_count
        type: u4
      - id: data_directories
        type: data_directory
        repeat: expr
        repeat-expr: data_directory_count
        doc: |
          In order: export, import, resource, exception, certificate, base
          relocation, debug, architecture, global pointer, TLS, load
          configuration, bound import, import address table, delay import,
          CLR runtime header, reserved.
  address:
    doc: A field of four bytes in PE32 and eight in PE32+.
    params:
      - id: is_wide
        type: bool
    seq:
      - id: narrow
        type: u4
        if: not is_wide
      - id: wide
        type: u8
        if: is_wide
    instances:
      number:
        value: 'is_wide ? wide : narrow'
  data_directory:
    seq:
      - id: virtual_address
        type: u4
      - id: size
        type: u4
  section:
    seq:
      - id: name
        type: str
        size: 8
        pad-right: 0
        encoding: UTF-8
      - id: virtual_size
        type: u4
      - id: virtual_address
        type: u4
      - id: raw_data_size
        type: u4
      - id: raw_data_offset
        type: u4
      - id: relocations_offset
        type: u4
      - id: line_numbers_offset
        type: u4
      - id: relocation_count
        type: u2
      - id: line_number_count
        type: u2
      - id: characteristics
        type: u4
        doc: 0x20 code, 0x40 initialized data, 0x80 uninitialized data; 0x20000000 execute, 0x40000000 read, 0x80000000 write.
    instances:
      raw_data:
        io: _root._io
        pos: raw_data_offset
        size: raw_data_size
        if: raw_data_size > 0
enums:
  machine:
    0x0000: unknown
    0x014c: i386
    0x0166: r4000
    0x01a2: sh3
    0x01c0: arm
    0x01c4: armnt
    0x0200: ia64
    0x5032: riscv32
    0x5064: riscv64
    0x6232: loongarch32
    0x6264: loongarch64
    0x8664: amd64
    0xaa64: arm64
  optional_magic:
    0x10b: pe32
    0x20b: pe32_plus
    0x107: rom
  subsystem:
    0: unknown
    1: native
    2: windows_gui
    3: windows_cui
    5: os2_cui
    7: posix_cui
    9: windows_ce_gui
    10: efi_application
    11: efi_boot_service_driver
    12: efi_runtime_driver
    13: efi_rom
    14: xbox
    16: windows_boot_application
