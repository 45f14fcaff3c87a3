#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/<target>/: the demo
data, the shared fixture files and hand-damaged variants of both. Run it from
anywhere after a build has laid out build/runtime (the generated metafiles
come from a build that has run the material generator, if any)."""
import os
import shutil
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
MAIN = os.path.dirname(HERE)
FIXTURES = os.path.join(MAIN, "tests", "fixtures", "real")
RUNTIME = sys.argv[1] if len(sys.argv) > 1 else os.path.join(MAIN, "build", "runtime")
RECORD = 2920


def out(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def put_i32(rec, off, v):
    rec[off:off + 4] = struct.pack("<i", v)


def put_f32(rec, off, v):
    rec[off:off + 4] = struct.pack("<f", v)


def catalogue():
    cat = read(os.path.join(RUNTIME, "dat", "vd_fan.rec"))
    recs = [bytearray(cat[i:i + RECORD]) for i in range(0, len(cat), RECORD)]

    def renumber(rs):
        rs = [bytearray(r) for r in rs]
        for i, r in enumerate(rs):
            put_i32(r, 0, i + 1)
        return b"".join(rs)

    # One record of each curve count and a few families, and small mixes.
    out("catalogue", "pw_3curves", renumber([recs[0]]))
    out("catalogue", "pw_5curves", renumber([recs[4]]))
    out("catalogue", "pw_1curve", renumber([recs[13]]))
    out("catalogue", "bn1_2curves", renumber([recs[105]]))
    out("catalogue", "aqy_static", renumber([recs[227]]))
    out("catalogue", "mix_4", renumber([recs[0], recs[38], recs[94], recs[211]]))
    out("catalogue", "empty", b"")
    out("catalogue", "truncated", renumber([recs[0], recs[1]])[: RECORD + 1000])
    out("catalogue", "short", renumber([recs[0]])[:100])

    base = bytearray(renumber([recs[0]]))
    r = bytearray(base)
    for off in (4, 10, 32, 43, 54, 65, 543, 569, 595, 621, 647):
        r[off] = 255
    out("catalogue", "length_bytes_255", r)
    r = bytearray(base)
    for i in range(1, 21):
        put_f32(r, 892 + 4 * (i - 1), float("nan"))
        put_f32(r, 1292 + 4 * (i - 1), float("inf"))
    put_f32(r, 2916, float("-inf"))
    put_f32(r, 76, float("nan"))
    out("catalogue", "nan_inf", r)
    for cc in (-1, 0, 1000):
        r = bytearray(base)
        put_i32(r, 2912, cc)
        out("catalogue", "curve_count_%d" % cc, r)
    r = bytearray(base)
    for i, label in enumerate((0, -5, 100000, 251)):
        put_i32(r, 876 + 4 * i, label)
    out("catalogue", "sound_labels", r)
    r = bytearray(base)
    put_i32(r, 0, 99999)
    out("catalogue", "fan_no_wrong", r)


def language():
    txt = os.path.join(MAIN, "data", "txt")
    lan = read(os.path.join(txt, "vd_lan.txt"))
    out("language", "vd_lan", lan)
    out("language", "vd_setup", read(os.path.join(txt, "vd_setup.txt")))
    out("language", "uk_address", read(os.path.join(txt, "UKAddress.txt")))
    lines = lan.split(b"\r\n")
    out("language", "lan_40_lines", b"\r\n".join(lines[:40]))
    out("language", "lan_no_commas", b"\r\n".join(l.replace(b",", b" ", 3) for l in lines[:30]))
    out("language", "lan_lf_only", b"\n".join(lines[:30]))
    out("language", "lan_long_fields", b"k," + b"x" * 300 + b",y,\r\n" * 5)
    out("language", "setup_sw_more", b"SWEDISH\r\nEXCEL DIR = c:\\\r\n")
    out("language", "binary", bytes(range(256)) * 4)


def catalogue_text():
    text = read(os.path.join(MAIN, "data", "catalogue", "vd_fan.txt"))
    parts = text.split(b"[fan]")
    out("catalogue_text", "two_fans", b"[fan]".join(parts[:3]))
    one = b"[fan]" + parts[1]
    out("catalogue_text", "one_fan", one)
    out("catalogue_text", "escapes", one.replace(b'model = "PW 100"', b'model = "\\x01\\"\\\\\xc3\xa9"'))
    out("catalogue_text", "nan_bits", one.replace(b"max_temp = 60", b"max_temp = nan:7FA00001"))
    out("catalogue_text", "long_text", one.replace(b'model = "PW 100"', b'model = "' + b"M" * 20 + b'"'))
    out("catalogue_text", "bad_number", one.replace(b"hz = 50", b"hz = 5e99"))
    out("catalogue_text", "no_header", parts[1])


def copy_files(target, folder, suffixes, limit=64 * 1024):
    if not os.path.isdir(folder):
        return
    for name in sorted(os.listdir(folder)):
        p = os.path.join(folder, name)
        if os.path.isfile(p) and name.lower().endswith(suffixes) and os.path.getsize(p) <= limit:
            out(target, name, read(p))


def rtf():
    copy_files("rtf", os.path.join(FIXTURES, "rtf"), (".rtf",))
    txt = os.path.join(MAIN, "data", "txt")
    for name in ("UKpw_spec.rtf", "SWlw_spec.rtf", "FRaqy_spec.rtf", "UKpw_maint.txt", "UKAbout.txt"):
        out("rtf", name, read(os.path.join(txt, name)))
    out("rtf", "deep_groups.rtf", b"{\\rtf1" + b"{" * 2000 + b"x" + b"}" * 2000 + b"}")
    out("rtf", "huge_params.rtf",
        b"{\\rtf1\\ansi\\fs999999999\\li-2147483648\\trowd\\cellx99999999\\cellx-5 a\\cell\\row"
        b"{\\pict\\wmetafile8\\picw99999999\\pich99999999\\picwgoal-1 0100090000}}")
    out("rtf", "bin_past_end.rtf", b"{\\rtf1{\\pict\\dibitmap0\\bin2147483647 ab}}")


def wmf():
    copy_files("wmf", os.path.join(FIXTURES, "wmf"), (".wmf",))
    for name in ("blank.wmf", "pw_dim.wmf", "aq_dim.wmf"):
        for root in (os.path.join(RUNTIME, "wmf"), os.path.join(MAIN, "..", "build-material", "runtime", "wmf")):
            p = os.path.join(root, name)
            if os.path.isfile(p):
                out("wmf", name, read(p))
                break
    # Standard header, then records with absurd sizes and counts.
    def header(nobjects, maxrec):
        return struct.pack("<HHHIHIH", 1, 9, 0x300, 0, nobjects, maxrec, 0)
    def rec(func, params=b"", size=None):
        words = (6 + len(params)) // 2 if size is None else size
        return struct.pack("<IH", words, func) + params
    eof = rec(0)
    out("wmf", "absurd_sizes.wmf", header(65535, 0xFFFFFFFF) + rec(0x0324, struct.pack("<H", 30000) + b"\0" * 8)
        + rec(0x0538, struct.pack("<H", 65535) + struct.pack("<H", 2) * 3) + rec(0x041B, b"\0" * 8, size=0x7FFFFFFF) + eof)
    out("wmf", "create_objects.wmf", header(3, 100) + rec(0x02FA, struct.pack("<HhhI", 0, 1, 1, 0)) * 10
        + rec(0x012D, struct.pack("<H", 9)) + rec(0x0626, b"\0" * 8) + eof)


def picture():
    copy_files("picture", os.path.join(FIXTURES, "bmp"), (".bmp",))
    copy_files("picture", os.path.join(FIXTURES, "bmp", "synthetic"), (".bmp",))
    for name in ("blank.wmf",):
        p = os.path.join(HERE, "corpus", "wmf", name)
        if os.path.isfile(p):
            out("picture", name, read(p))
    bmp = read(os.path.join(FIXTURES, "bmp", "bmp_8bit.bmp"))
    b = bytearray(bmp)
    b[18:26] = struct.pack("<ii", 100000, -100000)
    out("picture", "huge_dims.bmp", b)
    b = bytearray(bmp)
    b[46:50] = struct.pack("<I", 0xFFFFFFFF)  # colours used
    out("picture", "palette_count.bmp", b)
    out("picture", "header_only.bmp", bmp[:54])
    # The window's own layout: 32 bits, top-down, opaque, pixels at 56.
    w, h = 3, 2
    pixels = b"".join(struct.pack("<I", 0xFF000000 | (i * 0x102030)) for i in range(w * h))
    head = b"BM" + struct.pack("<IHHI", 56 + len(pixels), 0, 0, 56)
    info = struct.pack("<IiiHHIIiiII", 40, w, -h, 1, 32, 0, len(pixels), 3780, 3780, 0, 0)
    out("picture", "window_topdown32.bmp", head + info + b"\0\0" + pixels)


def clip_fields():
    clips = os.path.join(MAIN, "data", "clips")
    parts = [read(os.path.join(clips, n)) for n in ("clip.txt", "desc.txt", "cols.txt")]
    out("clip_fields", "delivered", b"\0".join(parts))
    out("clip_fields", "unequal", b"\0".join([parts[0], parts[1].split(b"\r\n", 3)[3], b"1\r\n-1\r\nx\r\n"]))
    out("clip_fields", "empty", b"\0\0")
    out("clip_fields", "odd_columns", b"TA\r\nFB\r\n\r\nTEmpty Field [x]\0a\r\nb\0 2 \r\n99999999999\r\n-1\r\n100\r\n")


def request_body():
    duty = b'"volume": 2500, "volume_unit": "m3/h", "pressure": 250, "pressure_unit": "Pa"'
    out("request_body", "minimal", b"{" + duty + b"}")
    out("request_body", "everything", b'{"volume": 0.9, "volume_unit": "m3/s", "pressure": 300, '
        b'"pressure_unit": "Pa", "pressure_type": "total", "deviation": 30, "supply": 2, '
        b'"families": ["BNBQ", "GHJ", "MT"], "rejects": true, "steps": true, "language": "SW", '
        b'"fan": 112}')
    out("request_body", "texts", b'{"volume": "1.2e3", "volume_unit": "cfm", "pressure": "0.8", '
        b'"pressure_unit": "inwg", "deviation": "-5"}')
    out("request_body", "static_only_total", b"{" + duty + b', "pressure_type": "total", "families": ["EH", "AQ"]}')
    out("request_body", "not_numbers", b'{"volume": "2,5", "volume_unit": "m3/s", "pressure": "inf", '
        b'"pressure_unit": "Pa"}')
    out("request_body", "wrong_types", b'{"volume": [1], "volume_unit": 2, "pressure": null, '
        b'"pressure_unit": {}, "families": "PW", "rejects": 1, "fan": 1.5}')
    out("request_body", "unknown_key", b"{" + duty + b', "Volume": 1}')
    out("request_body", "big_numbers", b'{"volume": 1e400, "volume_unit": "m3/s", "pressure": '
        b'-0, "pressure_unit": "Pa", "supply": 18446744073709551616, "fan": -9223372036854775808}')
    out("request_body", "unicode", b'{"volume": 1, "volume_unit": "m\\u00b3/s", "pressure": 1, '
        b'"pressure_unit": "Pa", "families": ["P\\u0000W", "\\ud800"], "language": "\xc3\x85"}')
    out("request_body", "truncated", b"{" + duty[:40])
    out("request_body", "array", b"[" + duty + b"]")
    out("request_body", "nested", b"[" * 200 + b"]" * 200)


if __name__ == "__main__":
    catalogue()
    language()
    catalogue_text()
    rtf()
    wmf()
    picture()
    clip_fields()
    request_body()
