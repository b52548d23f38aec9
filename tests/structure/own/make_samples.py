#!/usr/bin/env python3
"""Makes the sample files the project's own definitions are tested on
(own/samples.txt names them) in the folder given: images with ImageMagick,
an archive with zip, programs with gcc and the MinGW compilers, the rest
written byte by byte."""
import os, struct, subprocess, sys, wave, zlib

HELLO_C = '#include <stdio.h>\nint main(void) { puts("hello"); return 0; }\n'


def png_chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def riff_chunk(kind, data):
    return kind + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')


def greyscale_png():
    rows = b''.join(b'\0' + bytes([0x80, 0x40]) for _ in range(2))
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', struct.pack('>IIBBBBB', 2, 2, 8, 0, 0, 0, 1))
            + png_chunk(b'zTXt', b'Comment\0\0' + zlib.compress(b'deflated words'))
            + png_chunk(b'tIME', struct.pack('>HBBBBB', 2024, 2, 29, 12, 30, 5))
            + png_chunk(b'IDAT', zlib.compress(rows)) + png_chunk(b'IEND', b''))


def extensible_wav():
    fmt = (struct.pack('<HHIIHHH', 0xfffe, 1, 8000, 32000, 4, 32, 22) + struct.pack('<HI', 32, 4)
           + struct.pack('<IHH', 3, 0, 0x10) + bytes.fromhex('800000aa00389b71'))
    info = b'INFO' + riff_chunk(b'INAM', b'tone\0') + riff_chunk(b'ICMT', b'odd\0')
    body = (b'WAVE' + riff_chunk(b'fmt ', fmt) + riff_chunk(b'fact', struct.pack('<I', 3))
            + riff_chunk(b'LIST', info) + riff_chunk(b'data', bytes(12)) + riff_chunk(b'junk', b'xyz'))
    return b'RIFF' + struct.pack('<I', len(body)) + body


def big_endian_elf32():
    names = b'\0.shstrtab\0'
    header_end, program_header = 52, 32
    names_at = header_end + program_header
    sections_at = names_at + len(names) + 1
    ident = b'\x7fELF' + bytes([1, 2, 1, 0, 0]) + bytes(7)
    header = ident + struct.pack('>HHIIIIIHHHHHH', 2, 8, 1, 0x400000, header_end, sections_at, 0,
                                 header_end, program_header, 1, 40, 2, 1)
    segment = struct.pack('>8I', 1, 0, 0x400000, 0x400000, sections_at, sections_at, 5, 0x1000)
    sections = bytes(40) + struct.pack('>10I', 1, 3, 0, 0, names_at, len(names), 0, 0, 1, 0)
    return header + segment + names + b'\0' + sections


def make(folder):
    os.makedirs(folder, exist_ok=True)
    out = lambda name: os.path.join(folder, name)
    for name, data in [('greyscale.png', greyscale_png()), ('extensible.wav', extensible_wav()),
                       ('mips32.elf', big_endian_elf32()), ('notes.txt', b'hello ' * 20), ('three.bin', b'xyz'),
                       ('hello.c', HELLO_C.encode())]:
        with open(out(name), 'wb') as f:
            f.write(data)
    for picture in [('-size', '3x2', 'xc:red', 'BMP:v5.bmp'), ('-size', '3x2', 'xc:red', '-type', 'palette', 'BMP3:palette.bmp'),
                    ('-size', '3x2', 'xc:red', 'BMP2:core.bmp'), ('-size', '4x3', 'xc:blue', 'still.gif'),
                    ('-delay', '10', '-size', '4x3', 'xc:red', 'xc:blue', '-loop', '0', 'animated.gif'),
                    ('-size', '5x7', 'xc:green', '-set', 'comment', 'made for the tests', 'indexed.png')]:
        subprocess.run(['convert', *picture], cwd=folder, check=True)
    with wave.open(out('pcm.wav'), 'wb') as w:
        w.setnchannels(2), w.setsampwidth(2), w.setframerate(22050), w.writeframes(bytes(range(40)))
    if os.path.exists(out('two.zip')):
        os.remove(out('two.zip'))
    subprocess.run(['zip', '-q', '-X', 'two.zip', 'notes.txt'], cwd=folder, check=True)
    subprocess.run(['zip', '-q', '-X', '-0', 'two.zip', 'three.bin'], cwd=folder, check=True)
    for compiler, flags, program in [('gcc', ['-O1'], 'hello'), ('gcc', ['-c'], 'hello.o'),
                                     ('x86_64-w64-mingw32-gcc', ['-s', '-O1'], 'hello64.exe'),
                                     ('i686-w64-mingw32-gcc', ['-s', '-O1'], 'hello32.exe')]:
        subprocess.run([compiler, *flags, '-o', program, 'hello.c'], cwd=folder, check=True)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: make_samples.py FOLDER')
    make(sys.argv[1])
