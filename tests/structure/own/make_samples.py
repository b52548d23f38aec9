#!/usr/bin/env python3
"""Makes the sample files the project's own definitions are tested on
(own/samples.txt names them) in the folder given: images with ImageMagick,
an archive with zip, programs with gcc and the MinGW compilers, the rest
written byte by byte."""
import os, shutil, struct, subprocess, sys, wave, zlib

HELLO_C = '#include <stdio.h>\nint main(void) { puts("hello"); return 0; }\n'


def run(*command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


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
    run('convert', '-size', '3x2', 'xc:red', 'BMP:' + out('v5.bmp'))
    run('convert', '-size', '3x2', 'xc:red', '-type', 'palette', 'BMP3:' + out('palette.bmp'))
    run('convert', '-size', '3x2', 'xc:red', 'BMP2:' + out('core.bmp'))
    run('convert', '-size', '4x3', 'xc:blue', out('still.gif'))
    run('convert', '-delay', '10', '-size', '4x3', 'xc:red', 'xc:blue', '-loop', '0', out('animated.gif'))
    run('convert', '-size', '5x7', 'xc:green', '-set', 'comment', 'made for the tests', out('indexed.png'))
    with open(out('greyscale.png'), 'wb') as f:
        f.write(greyscale_png())
    with wave.open(out('pcm.wav'), 'wb') as w:
        w.setnchannels(2), w.setsampwidth(2), w.setframerate(22050), w.writeframes(bytes(range(40)))
    with open(out('extensible.wav'), 'wb') as f:
        f.write(extensible_wav())
    with open(out('notes.txt'), 'w') as f:
        f.write('hello ' * 20)
    with open(out('three.bin'), 'wb') as f:
        f.write(b'xyz')
    if os.path.exists(out('two.zip')):
        os.remove(out('two.zip'))
    subprocess.run(['zip', '-q', '-X', 'two.zip', 'notes.txt'], cwd=folder, check=True)
    subprocess.run(['zip', '-q', '-X', '-0', 'two.zip', 'three.bin'], cwd=folder, check=True)
    with open(out('hello.c'), 'w') as f:
        f.write(HELLO_C)
    run('gcc', '-O1', '-o', out('hello'), out('hello.c'))
    run('gcc', '-c', '-o', out('hello.o'), out('hello.c'))
    with open(out('mips32.elf'), 'wb') as f:
        f.write(big_endian_elf32())
    run('x86_64-w64-mingw32-gcc', '-s', '-O1', '-o', out('hello64.exe'), out('hello.c'))
    run('i686-w64-mingw32-gcc', '-s', '-O1', '-o', out('hello32.exe'), out('hello.c'))


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: make_samples.py FOLDER')
    make(sys.argv[1])
