#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into corpus/<target>/.

Seeds are small valid and nearly valid inputs in both byte orders; the fuzzer mutates from
there. Run from anywhere: python3 tests/fuzz/make-seeds.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
IDENTIFIER = (ord('Q') << 24) | (ord('G') << 16) | (ord('W') << 8) | ord('K')
NAMES = ["Current", "Default", "CompressLite1", "Glue Things Together", "ABCDEFGHIJKLMNOPQRSTUVWX"]


def record(index, order):
    name = NAMES[index % len(NAMES)].encode()[:24].ljust(24, b"\0")
    values = [((index * 12 + i) % 11) / 10.0 for i in range(12)]
    return name + struct.pack(order + "12f", *values)


def chunk(order, index=5, tag=0x01000000, count=33):
    head = struct.pack(order + "IIII", tag, IDENTIFIER, count, index) + bytes(16)
    return head + b"".join(record(k, order) for k in range(33))


def preset(order, marker=0x21):
    return struct.pack(order + "I", IDENTIFIER) + bytes([marker]) + record(3, order)


def bank(order, marker=0x37):
    return struct.pack(order + "I", IDENTIFIER) + bytes([marker]) + b"".join(record(k, order) for k in range(33))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


write("fuzz_set_chunk", "native", chunk("<"))
write("fuzz_set_chunk", "swapped", chunk(">"))
write("fuzz_set_chunk", "index-40", chunk("<", index=40))
write("fuzz_set_chunk", "wrong-tag", chunk("<", tag=2))
write("fuzz_set_chunk", "short", chunk("<")[:2407])

write("fuzz_preset_from_data", "native", preset("<"))
write("fuzz_preset_from_data", "swapped", preset(">"))
write("fuzz_preset_from_data", "swapped-reversed", preset(">") + b"\x01")
write("fuzz_preset_from_data", "short", preset("<")[:14])

write("fuzz_bank_from_data", "native", bank("<"))
write("fuzz_bank_from_data", "swapped", bank(">"))
write("fuzz_bank_from_data", "native-reversed", bank("<") + b"\x01")

# First byte picks the value: 0 MemoA, 1 MemoB, 2 DefaultPreset, 3 DefaultBank, 4..6 the paths.
write("fuzz_stored_value", "memo-a", b"\x00" + preset("<"))
write("fuzz_stored_value", "default-preset", b"\x02" + preset(">"))
write("fuzz_stored_value", "default-bank", b"\x03" + bank("<"))
write("fuzz_stored_value", "directory", b"\x04" + b"/tmp/presets/\0")
write("fuzz_stored_value", "long-bank-file", b"\x05" + b"b" * 300)
