#!/usr/bin/env python3
"""Writes the hand-made seeds of the fuzz corpora (fuzz/corpus/<target>/seed-*).

Tables: small valid tables of every field type, the mailbox layout, and the
corrupt or lying headers a reader must survive (too short, wrong versions,
header and record lengths that lie, missing terminators, zero-width and
overlong fields, bad names, counts beyond the file, torn records, garbage in
numbers and dates). The bytes behind the last record are what the target
writes, so several seeds end in a number, a date or a double.
INI files: the line forms, terminators, quoting, encodings and odd bytes of
the private-profile layer. Command lines: quoting and backslash forms.

Run it from anywhere; it rewrites only the seed-* files. Reproducers found by
./kx fuzz (crash-*, timeout-*, ...) and merged inputs sit beside them.
"""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def put(target, name, data):
    os.makedirs(os.path.join(HERE, target), exist_ok=True)
    with open(os.path.join(HERE, target, "seed-" + name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


def table(fields, records, version=0x03, count=None, hl=None, rl=None, flags=0, ldid=0x57, tail=b"\x1a",
          date=(124, 2, 29), term=b"\x0d"):
    """fields: (name bytes, type, length, decimals); records: flag + field bytes."""
    desc = b""
    for r in records:
        assert rl is not None or len(r) == 1 + sum(f[2] for f in fields), r
    for name, typ, length, dec in fields:
        desc += name[:11].ljust(11, b"\0") + typ.encode() + b"\0" * 4 + bytes([length & 0xFF, dec]) + b"\0" * 14
    if hl is None:
        hl = 32 + len(desc) + len(term)
    if rl is None:
        rl = 1 + sum(f[2] for f in fields)
    head = struct.pack("<B3BIHH", version, *date, len(records) if count is None else count, hl, rl)
    head += b"\0" * 16 + bytes([flags, ldid]) + b"\0\0"
    return head + desc + term + b"".join(r.encode("latin-1") if isinstance(r, str) else r for r in records) + tail


SMALL = [(b"NAME", "C", 10, 0), (b"NUM", "N", 6, 2)]
SMALL_ROWS = [" alpha       1.50", "*beta       -2.00"]


def tables():
    put("table", "small", table(SMALL, SMALL_ROWS, tail=b"\x1azeta"))
    allTypes = [(b"NAME", "C", 12, 0), (b"AMOUNT", "N", 8, 2), (b"RATE", "F", 10, 4), (b"OK", "L", 1, 0),
                (b"BORN", "D", 8, 0), (b"COUNT", "N", 5, 0)]
    rows = [" " + "Zo\xeb caf\xe9".ljust(12) + "  -12.50" + "    3.1416" + "T" + "20240229" + "   42",
            "*" + "gone".ljust(12) + "    0.00" + "    0.0000" + "F" + "19991231" + "    0",
            " " * 45]
    put("table", "all-types", table(allTypes, rows, tail=b"\x1a20240301"))
    put("table", "all-types-double", table(allTypes, rows, tail=b"\x1a" + struct.pack("<d", 1e300)))
    put("table", "all-types-nan", table(allTypes, rows, tail=b"\x1a" + struct.pack("<d", float("nan"))))
    put("table", "all-types-minus", table(allTypes, rows, tail=b"\x1a-7.25"))
    put("table", "empty", table(SMALL, []))

    # The mailbox table: T01 N5, T02 N2, T03..T30 N6, T31..T58 text, T59..T99 numbers.
    widths = [5, 2] + [6] * 28 + [65] * 10 + [100] * 4 + [30] * 9 + [22] * 5 + [10] * 6 + [6] * 4 + [4] * 10 + \
        [2] * 5 + [1] * 16
    mailbox = [(b"T%02d" % (i + 1), "N" if i < 30 or i >= 58 else "C", w, 0) for i, w in enumerate(widths)]

    def record(key, status, name):
        out = " "
        for i, (_, typ, w, _) in enumerate(mailbox):
            value = {0: str(key), 1: str(status), 32: name, 81: "3" if status == 91 else ""}.get(i, "")
            out += value.rjust(w) if typ == "N" else value.ljust(w)
        return out
    put("table", "mailbox", table(mailbox, [record(0, 11, ""), record(4711, 91, "Kessel Nord"),
                                            record(4712, 92, "Eingang M\xfcller")], tail=b"\x1a 17"))

    good = table(SMALL, SMALL_ROWS)
    hl, rl = 32 + 64 + 1, 17

    def patch(at, data, base=good):
        return base[:at] + data + base[at + len(data):]
    hostile = {
        "short": good[:20],
        "header-only": good[:32],
        "dbase2": patch(0, b"\x02"),
        "dbase7": patch(0, b"\x04"),
        "encrypted-flag": patch(15, b"\x01"),
        "encrypted-version": patch(0, b"\x86"),
        "memo-83": patch(0, b"\x83"),
        "memo-8b": patch(0, b"\x8b"),
        "foxpro-f5": patch(0, b"\xf5"),
        "vfp-backlink": table(SMALL, SMALL_ROWS, version=0x30, term=b"\x0d" + b"\0" * 263),
        "backlink-v3": table(SMALL, SMALL_ROWS, term=b"\x0d" + b"\0" * 263),
        "terminator-nul": table(SMALL, SMALL_ROWS, term=b"\x0d\x00"),
        "production-index": patch(28, b"\x01"),
        "hl-too-small": patch(8, struct.pack("<H", 40)),
        "hl-past-end": patch(8, struct.pack("<H", 65535)),
        "hl-overlaps": patch(8, struct.pack("<H", 32 + 32 + 1)),
        "hl-cuts-descriptor": patch(8, struct.pack("<H", 32 + 48)),
        "no-terminator": patch(hl - 1, b" "),
        "zero-width": patch(32 + 32 + 16, b"\0"),
        "rl-short": patch(10, struct.pack("<H", 16)),
        "rl-padded": table(SMALL, [r + "xyz" for r in SMALL_ROWS], rl=20),
        "rl-one": patch(10, struct.pack("<H", 1)),
        "rl-zero": patch(10, struct.pack("<H", 0)),
        "no-fields": table([], ["x"]),
        "hl-rl-max": patch(8, struct.pack("<HH", 65535, 65535), good[:64]),
        "count-max": patch(4, struct.pack("<I", 0xFFFFFFFF)),
        "count-high": patch(4, struct.pack("<I", 3)),
        "count-low": patch(4, struct.pack("<I", 1)),
        "torn-record": good[:hl + rl + 12],
        "eof-flag": table(SMALL, ["\x1aalpha       1.50", "?beta        2.00", "\0gamma       3.00"],
                          tail=b"\x1ajunk after the end"),
        "long-character": table([(b"LONG", "C", 300, 1), (b"N", "N", 3, 0)], [" " + "x" * 300 + "  7"]),
        "long-character-mismatch": table([(b"LONG", "C", 44, 1), (b"N", "N", 3, 0)], [" " + "x" * 44 + "  7"]),
        "numeric-odd": table([(b"N1", "N", 30, 0), (b"N2", "N", 4, 6), (b"F1", "F", 20, 18)],
                             [" " + "9" * 30 + "12.5" + "-" * 20], tail=b"\x1a1e308"),
        "fixed-lengths": table([(b"L", "L", 3, 0), (b"D", "D", 5, 0), (b"M", "M", 4, 0), (b"I", "I", 2, 0)],
                               [" TRUE2024X\0\0\0\xff\xff"], tail=b"\x1aT"),
        "names": table([(b"ELEVENCHARS", "C", 2, 0), (b"AB\0GARBAGE", "C", 2, 0), (b"  ", "C", 2, 0),
                        (b"", "N", 2, 0), (b"ab", "C", 2, 0), (b"AB", "C", 2, 0), (b"n\xe4me", "C", 2, 0)],
                       [" aabbccddeeffgg"]),
        "number-garbage": table([(b"N", "N", 6, 0), (b"M", "N", 20, 2)],
                                [" 12a   " + "1".rjust(20), " --1   " + "1e308".rjust(20), " 1\x002   " + "1,5".rjust(20),
                                 " ******" + "9" * 20, "       " + "-" * 20], tail=b"\x1a99999999999"),
        "date-garbage": table([(b"D", "D", 8, 0)], [" 20241341", " abcdefgh", " 00000000"], date=(0, 13, 0),
                              tail=b"\x1a2024022"),
        "logical-garbage": table([(b"L", "L", 1, 0), (b"C", "C", 1, 0)], [" x ", " ?y", " t "], tail=b"\x1ay"),
        "ldid-unknown": table(SMALL, SMALL_ROWS, ldid=0xEE),
        "many-fields": table([(b"F%d" % i, "C", 1, 0) for i in range(300)], [" " + "x" * 300]),
    }
    for name, data in hostile.items():
        put("table", name, data)


def ini_files():
    files = {
        "kxaconf": "[Config]\r\nVm001Path=\\db1\\\r\nLanguage=de\r\n\r\n[Timer]\r\nInterval=60\r\nStart = 0x1F \r\n",
        "comments-blank-lines": "; head\r\n\r\n[A]\r\n; c=1\r\nk=v ;not a comment\r\n  ;k2=x\r\n\r\n[B]\r\nn=1\r\n",
        "duplicates": "[S]\r\nk=first\r\nK=second\r\n[s]\r\nk=third\r\n[T]\r\nx=1\r\n",
        "quotes": "[Q]\r\na=\"quoted\"\r\nb='single'\r\nc=\"mis'\r\nd=\"\r\ne=\"\"\"\r\nf= \" spaced \" \r\n",
        "no-final-newline": "[A]\r\nk=v",
        "line-ends": "[A]\rk=cr\r[B]\nk=lf\n[C]\r\n\r\rk=mixed\n\r",
        "before-first-header": "top=1\r\nbare line\r\n[]\r\nempty=name\r\n[A]\r\nbare\r\n=novalue\r\nk=\r\n",
        "header-forms": "[A\r\nk=1\r\n[ B ] trailing\r\nk=2\r\n[[C]]\r\nk=3\r\n[\"D\"]\r\nk=4\r\n[ ]\r\nk=5\r\n",
        "blanks": "\t[A]\x0b\r\n \x0ck \t=\x1a v \x0b\r\n\x1a\r\n",
        "nul-bytes": "\0\0\r\n[A]\r\nk=a\0b\r\n\0\r\n[B\0]\r\nx=1\r\n\0",
        "high-bytes": "[\xc9T\xc9]\r\nM\xfcller=\xe9t\xe9\r\n\xff=\x9f\r\n",
        "numbers": "[N]\r\na=-5\r\nb=0x7fffffff\r\nc=0b101\r\nd=0o17\r\ne=99999999999\r\nf= +12abc\r\n",
        "utf8-bom": "\xef\xbb\xbf[A]\r\nk=v\r\n[B]\r\nk=w\r\n",
        "utf16le": "\xff\xfe[\0A\0]\0\r\0\n\0k\0=\0v\0",
        "utf16be": "\xfe\xff\0[\0A\0]\0\r\0\n",
        "empty": "",
        "equals": "[A]\r\n==\r\na==b\r\n\ta = b = c\r\n",
    }
    for name, data in files.items():
        put("ini", name, data)


def command_lines():
    lines = {
        "plain": "kxaconf 10",
        "quoted": "kxpers \"grp=10\" \"Olga M\xfcller\"",
        "backslashes": "C:\\kxt\\bin\\kxe.exe \"a\\\\\"b\" \\\"x\\\" c\\\\\\\\\" d\\",
        "editor": "notepad \\kxt\\log\\kxadeact.log",
        "tabs": "\tprog\t\targ  \t",
        "empty-arguments": "prog \"\" \"\"\"\" a\"\"b",
        "doubled-quotes": "\"a\"\"b\" \"c\"\"\"\"d\" \"\"\"\"",
        "unterminated": "prog \"open quote",
        "blank": "   ",
    }
    for name, data in lines.items():
        put("cmdline", name, data)


tables()
ini_files()
command_lines()
