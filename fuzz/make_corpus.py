#!/usr/bin/env python3
"""Writes the seed files of the two fuzz targets: a few well-formed files and a few that the
readers must refuse. Run from anywhere; the files go to corpus/ beside this script."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))

HEADER = b"Kalmex Bubbles Save File"
BLUE_TO_MOVE, GREEN_TO_MOVE = 65536, 655360
EMPTY, BLUE, GREEN = 10000, 20000, 30000


def saved_game(columns, rows, to_move=BLUE_TO_MOVE, round_no=1, codes=None, header=HEADER):
    if codes is None:  # a new game: Blue in two corners, Green in the other two
        codes = [EMPTY] * (columns * rows)
        codes[0] = codes[-1] = BLUE
        codes[columns - 1] = codes[(rows - 1) * columns] = GREEN
    numbers = [columns * 100, rows * 100, to_move, round_no * 200] + codes
    return header + struct.pack("<%di" % len(numbers), *numbers)


def score_record(name, percent, score, filler=0, length=None):
    def scramble(word):
        pairs = [(0, 14), (1, 9), (2, 5), (3, 13), (4, 6), (7, 15)]
        out = word
        for a, b in pairs:
            bit_a, bit_b = (word >> a) & 1, (word >> b) & 1
            out &= ~((1 << a) | (1 << b))
            out |= (bit_b << a) | (bit_a << b)
        return out
    raw = name.encode("iso-8859-2")
    record = bytes([len(raw) if length is None else length]) + raw.ljust(20, b"\0")
    return record + bytes([filler]) + struct.pack("<HH", scramble(score + 302), scramble(percent + 201))


def write(folder, name, data):
    path = os.path.join(here, "corpus", folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


new7 = saved_game(7, 7)
write("saved_game", "new_7x7", new7)
write("saved_game", "largest_19x12_green", saved_game(19, 12, GREEN_TO_MOVE, 42))
write("saved_game", "smallest_3x3_odd_codes",
      saved_game(3, 3, codes=[BLUE, EMPTY, 0, -1, GREEN, 20001, 12345, GREEN, -2**31]))
write("saved_game", "wrong_header", saved_game(7, 7, header=b"Kalmex Bubbles Save file"))
write("saved_game", "cut_in_sizes", new7[:30])
write("saved_game", "one_byte_short", new7[:-1])
write("saved_game", "unknown_player", saved_game(7, 7, to_move=3))
write("saved_game", "size_out_of_range", saved_game(20, 7))

default = score_record("Empty", 0, 0)
write("score", "default", default * 11)
table = [score_record("Příliš žluťoučký kůň", 54, 30), score_record("Eva", 51, 25)] + [default] * 9
write("score", "two_results", b"".join(table))
write("score", "damaged_record", score_record("ABCDEFGHIJKLMNOPQRST", 7, 9, filler=0x7E, length=200) + default * 10)
write("score", "short_285", (default * 11)[:285])
write("score", "longer_300", default * 11 + b"\xEE" * 14)
