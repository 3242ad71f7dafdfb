#!/usr/bin/env python3
"""Rewrites a compiled help file's directory in small chunks.

The compiler always writes 4096-byte directory chunks, mostly free space; the
fuzz seed must stay under 4 KB, so its listing is spread over chunks of 256
bytes with an index chunk above them (so the reader's index walk is seeded
too). The content is copied as it is: its offsets count from its own start.

    Tighten.py IN OUT
"""
import struct
import sys

CHUNK = 256
MAX_SEED_BYTES = 4095
HEADER_FILE_SIZE = 0x68    # in the header section after the file header
DIRECTORY_OFFSET = 0x48
DIRECTORY_LENGTH = 0x50
CONTENT_OFFSET = 0x58      # version 3 headers only
ITSP_LENGTH = 0x54
LISTING_HEADER = 0x14
INDEX_HEADER = 0x08
QUICKREF_SPACING = 5       # a quick reference to every (1 + 2**2)th entry


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
    """Every listing entry in directory order: its name, then its section,
    offset and length as written."""
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


def listing_parts(entries):
    """The entries as written, and the tail of quick references (where every
    fifth entry starts, last first) and the entry count."""
    written = [encint(len(name)) + name + place for name, place in entries]
    offsets = [sum(map(len, written[:i])) for i in range(QUICKREF_SPACING - 1, len(written), QUICKREF_SPACING)]
    tail = b''.join(struct.pack('<H', q) for q in reversed(offsets)) + struct.pack('<H', len(entries))
    return b''.join(written), tail


def fits(entries):
    body, tail = listing_parts(entries)
    return LISTING_HEADER + len(body) + len(tail) <= CHUNK


def listing_chunk(entries, number, last):
    body, tail = listing_parts(entries)
    free = CHUNK - LISTING_HEADER - len(body)
    header = b'PMGL' + struct.pack('<IIii', free, 0, number - 1, -1 if last else number + 1)
    return header + body + bytes(free - len(tail)) + tail


def tighten(data):
    directory, = struct.unpack_from('<Q', data, DIRECTORY_OFFSET)
    content, = struct.unpack_from('<Q', data, CONTENT_OFFSET)
    itsp = bytearray(data[directory:directory + ITSP_LENGTH])
    old_size, = struct.unpack_from('<I', itsp, 0x10)
    old_chunks, = struct.unpack_from('<I', itsp, 0x2C)

    # Each listing chunk filled as far as it goes, then one index chunk
    # naming the first entry of each.
    groups = [[]]
    for entry in entries_of(data, directory, old_size, old_chunks):
        if not fits(groups[-1] + [entry]):
            groups.append([])
        groups[-1].append(entry)
    chunks = [listing_chunk(group, n, n == len(groups) - 1) for n, group in enumerate(groups)]
    index = b''.join(encint(len(group[0][0])) + group[0][0] + encint(n) for n, group in enumerate(groups))
    free = CHUNK - INDEX_HEADER - len(index)
    chunks.append(b'PMGI' + struct.pack('<I', free) + index + bytes(free))

    # Depth 2, the index chunk as root, the listing from chunk 0 to the last.
    struct.pack_into('<I', itsp, 0x10, CHUNK)
    struct.pack_into('<iiii', itsp, 0x18, 2, len(groups), 0, len(groups) - 1)
    struct.pack_into('<I', itsp, 0x2C, len(chunks))
    new_directory = itsp + b''.join(chunks)
    out = bytearray(data[:directory]) + new_directory + data[content:]
    struct.pack_into('<Q', out, DIRECTORY_LENGTH, len(new_directory))
    struct.pack_into('<Q', out, CONTENT_OFFSET, directory + len(new_directory))
    struct.pack_into('<Q', out, HEADER_FILE_SIZE, len(out))
    return bytes(out)


if __name__ == '__main__':
    with open(sys.argv[1], 'rb') as file:
        tight = tighten(file.read())
    if len(tight) > MAX_SEED_BYTES:
        raise SystemExit(f'{sys.argv[2]}: {len(tight)} bytes, more than a seed of one topic should take')
    with open(sys.argv[2], 'wb') as file:
        file.write(tight)
