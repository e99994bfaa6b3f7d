#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seeded random eval queries that both builds must answer alike.

Finite angles stay within 1e6 degrees: beyond (rarely from 1e7, always
from 1e13), the Windows C runtime's sine and cosine, which reduce the
argument with the x87 unit's 66-bit pi, differ from glibc's in the last digits.

Run once; its output is committed as tests/windows/eval_queries_20000.txt:
    python3 tests/windows/make_eval_queries.py > tests/windows/eval_queries_20000.txt
"""
import random

COUNT = 20000
rng = random.Random(20261207)

HALF_POWER = ["EA", "EB", "EC", "DE", "LA"]
CONSTRICTION = ["KA", "CA", "CB", "CC"]
V_KIND = ["V" + c for c in "ABCDEFGHI"]
W_KIND = ["W" + c for c in "ABCDEFGHI"]


def valid_code():
    family = rng.choice(["nd", "half", "constriction", "v", "w", "ta"])
    if family == "nd":
        return "000ND00"
    if family == "half":
        return "%03d%s%02d" % (rng.randint(1, 120), rng.choice(HALF_POWER), rng.randint(0, 99))
    if family == "constriction":
        return "%03d%s%02d" % (rng.randint(1, 100), rng.choice(CONSTRICTION), rng.randint(0, 99))
    if family == "v":
        return "%01d%02d%s%02d" % (rng.randint(0, 9), rng.randint(0, 99), rng.choice(V_KIND),
                                   rng.randint(0, 99))
    if family == "w":
        return "%01d%02d%s%01d%01d" % (rng.randint(0, 9), rng.randint(0, 99), rng.choice(W_KIND),
                                       rng.randint(0, 9), rng.randint(0, 9))
    return "%03d%s%02d" % (rng.randint(0, 890), "TA", rng.randint(0, 99))


def percent_encoded(text):
    out = []
    for ch in text:
        if ch in " %" or not (32 < ord(ch) < 127):
            out.append("%%%02X" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


def malformed_code():
    code = list(valid_code())
    kind = rng.randint(0, 8)
    if kind == 0:
        return "".join(code[: rng.randint(0, 6)])
    if kind == 1:
        return "".join(code) + rng.choice(["0", "X", " ", "99"])
    if kind == 2:
        code[rng.randrange(7)] = rng.choice("xyzQ.-+ %eE")
        return "".join(code)
    if kind == 3:
        return "".join(code).lower()
    if kind == 4:
        return rng.choice(["nanEA10", "infEA10", "-30EA10", "+30EA10", " 30EA10", "0x1EA10",
                           "1e1EA10", "030XX00", "030ND05", "999EA99", "000EA10", "1EA1234"])
    if kind == 5:
        return "%03d%s%02d" % (rng.randint(0, 999), rng.choice(HALF_POWER + CONSTRICTION + ["TA"]),
                               rng.randint(0, 99))
    if kind == 6:
        return "".join(chr(rng.randint(33, 126)) for _ in range(7))
    if kind == 7:
        return "".join(code[:3]) + "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(2)) + "".join(code[5:])
    return ""


def code():
    return percent_encoded(malformed_code() if rng.random() < 0.15 else valid_code())


def angle():
    kind = rng.random()
    if kind < 0.55:
        return "%.6g" % rng.uniform(-180, 180)
    if kind < 0.7:
        return str(rng.randint(-720, 720))
    if kind < 0.8:
        return rng.choice(["0", "-0", "90", "-90", "180", "-180", "360", "89.999", "90.001",
                           "0.5", "1e-40", "-1e-45", "999999.9", "-1e6", "1e39"])
    if kind < 0.88:
        return "%.9g" % rng.uniform(-1e6, 1e6)
    if kind < 0.95:
        return rng.choice(["nan", "-nan", "NAN", "inf", "-inf", "Infinity", "0x1p4", "0x.8p1",
                           "1e", "--1", "+45", "4 5", "", "45.", ".5", "1,5", "45deg"])
    return "%.3f" % rng.uniform(-90, 90)


def query():
    verb = rng.random()
    if verb < 0.15:
        return "component %s %s" % (code(), angle())
    if verb < 0.3:
        return "gain %s %s" % (code(), angle())
    if verb < 0.97:
        rule = rng.choice(["v6", "v7"])
        return "%s %s %s %s %s" % (rule, code(), code(), angle(), angle())
    return rng.choice(["", "v8 030EA10 020EA05 0 0", "gain 030EA10", "v7 030EA10 020EA05 1 2 3",
                       "GAIN 030EA10 3", "v6  030EA10 020EA05 1 2", "component 030EA10 1 "])


for _ in range(COUNT):
    print(query())
