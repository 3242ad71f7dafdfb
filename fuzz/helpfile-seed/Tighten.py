#!/usr/bin/env python3
"""Rewrites a compiled help file's directory in small chunks.

The compiler always writes 4096-byte directory chunks, mostly free space; the
fuzz seed must stay small, so its listing is spread over chunks of CHUNK bytes
with an index chunk above them (so the reader's index walk is seeded too).
The content is copied as it is: its offsets count from its own start.

    Tighten.py IN OUT [CHUNK]
"""
import struct
import sys

HEADER_FILE_SIZE = 0x68    # in the header section after the file header
DIRECTORY_OFFSET = 0x48
DIRECTORY_LENGTH = 0x50
CONTENT_OFFSET = 0x58      # version 3 headers only
ITSP_LENGTH = 0x54
LISTING_HEADER = 0x14
INDEX_HEADER = 0x08
QUICKREF_SPACING = 5       # one quick reference every 1 + 2**2 entries


def encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def read_encint(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, at


def entries_of(data, directory, chunk_size, chunks):
    """(name, encoded rest) of every listing entry, in directory order."""
    for n in range(chunks):
        chunk = data[directory + ITSP_LENGTH + n * chunk_size:][:chunk_size]
        if chunk[:4] != b'PMGL':
            continue
        end = chunk_size - struct.unpack_from('<I', chunk, 4)[0]
        at = LISTING_HEADER
        while at < end:
            length, at = read_encint(chunk, at)
            name = chunk[at:at + length]
            at += length
            start = at
            for _ in range(3):
                _, at = read_encint(chunk, at)
            yield name, chunk[start:at]


def listing_chunk(entries, size, number, last):
    body = b''.join(encint(len(name)) + name + rest for name, rest in entries)
    quickrefs = [sum(len(encint(len(n)) + n + r) for n, r in entries[:i])
                 for i in range(QUICKREF_SPACING, len(entries), QUICKREF_SPACING)]
    tail = b''.join(struct.pack('<H', q) for q in reversed(quickrefs)) + struct.pack('<H', len(entries))
    free = size - LISTING_HEADER - len(body)
    if free < len(tail):
        raise SystemExit(f'entries do not fit a {size}-byte chunk')
    header = b'PMGL' + struct.pack('<IIii', free, 0, number - 1, -1 if last else number + 1)
    return header + body + bytes(free - len(tail)) + tail


def tighten(data, size):
    directory, _ = struct.unpack_from('<QQ', data, DIRECTORY_OFFSET)
    content, = struct.unpack_from('<Q', data, CONTENT_OFFSET)
    itsp = bytearray(data[directory:directory + ITSP_LENGTH])
    old_size, = struct.unpack_from('<I', itsp, 0x10)
    old_chunks, = struct.unpack_from('<I', itsp, 0x2C)
    entries = list(entries_of(data, directory, old_size, old_chunks))

    # Fill each listing chunk as far as it goes.
    groups, group = [], []
    for entry in entries:
        try:
            listing_chunk(group + [entry], size, 0, True)
            group.append(entry)
        except SystemExit:
            groups.append(group)
            group = [entry]
    groups.append(group)
    chunks = [listing_chunk(g, size, n, n == len(groups) - 1) for n, g in enumerate(groups)]
    index = b''.join(encint(len(g[0][0])) + g[0][0] + encint(n) for n, g in enumerate(groups))
    free = size - INDEX_HEADER - len(index)
    chunks.append(b'PMGI' + struct.pack('<I', free) + index + bytes(free))

    # Depth 2, the index chunk as root, the listing from chunk 0 to the last.
    struct.pack_into('<I', itsp, 0x10, size)
    struct.pack_into('<iiii', itsp, 0x18, 2, len(groups), 0, len(groups) - 1)
    struct.pack_into('<I', itsp, 0x2C, len(chunks))
    new_directory = itsp + b''.join(chunks)
    new_content = directory + len(new_directory)
    out = bytearray(data[:directory]) + new_directory + data[content:]
    struct.pack_into('<Q', out, DIRECTORY_LENGTH, len(new_directory))
    struct.pack_into('<Q', out, CONTENT_OFFSET, new_content)
    struct.pack_into('<Q', out, HEADER_FILE_SIZE, len(out))
    return bytes(out)


if __name__ == '__main__':
    source, target = sys.argv[1], sys.argv[2]
    chunk = int(sys.argv[3]) if len(sys.argv) > 3 else 256
    with open(source, 'rb') as file:
        data = file.read()
    with open(target, 'wb') as file:
        file.write(tighten(data, chunk))
