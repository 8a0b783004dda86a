#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets from a demo meeting day.

Usage: make_seeds.py DEMO_FOLDER CORPUS_FOLDER  (DEMO_FOLDER written by `zelvora-cli demo`)."""
import base64
import os
import subprocess
import sys
import tempfile

demo, corpus = sys.argv[1], sys.argv[2]


def lines(name):
    with open(os.path.join(demo, name), "rb") as f:
        return [line for line in f.read().split(b"\r\n") if line]


den1, den2, uma = lines("bvo_den1.bv2"), lines("bvo_den2.bv2"), lines("bvo_uma.bv2")


def with_count(header, count):
    return header[:336] + b"%02d" % count + header[338:]


def first_runner(race):
    return sum(int(h[336:338]) for h in den1[:race])


def put(target, name, data):
    folder = os.path.join(corpus, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def crlf(rows):
    return b"".join(row + b"\r\n" for row in rows)


def small_day(counts):
    """Races 0.. with their first runners only, as the three record files' contents."""
    headers, runners, horses = [], [], []
    for race, count in enumerate(counts):
        headers.append(with_count(den1[race], count))
        start = first_runner(race)
        runners += den2[start:start + count]
        horses += uma[start:start + count]
    return crlf(headers), crlf(runners), crlf(horses)


# The loader, reading or mapping the files: record files separated by NUL bytes.
d1, d2, u = small_day([2])
for loader in ("loader", "mapped"):
    put(loader, "two_races", b"\0".join(small_day([2, 1])))
    put(loader, "empty_race", b"\0".join(small_day([0])))
    put(loader, "count_mismatch", b"\0".join([d1, d2, u + u]))
    put(loader, "lf_and_ctrl_z", b"\0".join([d1.replace(b"\r\n", b"\n"), d2 + b"\x1a junk", u]))

# One race: header, then runner and horse lines in turns.
late = next(i for i, h in enumerate(den1) if int(h[10:12]) >= 9)
start = first_runner(late)
put("race", "late_race", crlf([den1[late]] + [x for n in range(3) for x in (den2[start + n], uma[start + n])]))
put("race", "short_horse_lines",
    crlf([den1[0]] + [x for n in range(2) for x in (den2[n], uma[n][:1200])]))
put("race", "header_only", crlf([den1[1]]))

# One record line for the codec: a first byte for the kind (0 header, 1 runner, 2 horse), then the line.
put("records", "header", b"\0" + den1[0])
put("records", "runner", b"\1" + den2[0])
put("records", "horse", b"\2" + uma[0])
put("records", "cut_horse", b"\2" + uma[1][:1300])

def version3_header(v2, fill=b"#"):
    """The version-3 header line that converts back into v2 (byte 74 carries v2's byte 358)."""
    v2 = v2.ljust(777, b" ")
    return v2[:73] + v2[357:358] + v2[73:349] + fill * 68 + v2[349:357] + fill + v2[358:777]


def version3_runner(v2, fill=b"#"):
    v2 = v2.ljust(741, b" ")
    return v2[:255] + fill + v2[255:693] + fill * 33 + v2[693:708] + fill * 101 + v2[708:741]


def version3_file(content, convert):
    return crlf([convert(line) for line in content.split(b"\r\n") if line])


# Archives packed by jlha: level 0 -lh5-, level 2 -lh7-, stored, a version-3 horse file, a whole
# version-3 day, and a day under the replacement names.
with tempfile.TemporaryDirectory() as work:
    names = ["bvo_den1.bv2", "bvo_den2.bv2", "bvo_uma.bv2"]
    for name, content in zip(names, small_day([1])):
        with open(os.path.join(work, name), "wb") as f:
            f.write(content)
    for seed, options, members in [("level0_lh5.lzh", "-a0", names), ("level2_lh7.lzh", "-a2o7", names),
                                   ("stored.lzh", "-a1z", names)]:
        subprocess.run(["jlha", options, seed] + members, cwd=work, check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(work, seed), "rb") as f:
            put("archive", seed, f.read())
    os.rename(os.path.join(work, "bvo_uma.bv2"), os.path.join(work, "bvo_uma.bv3"))
    subprocess.run(["jlha", "-a1", "v3.lzh", "bvo_den1.bv2", "bvo_den2.bv2", "bvo_uma.bv3"], cwd=work,
                   check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(work, "v3.lzh"), "rb") as f:
        put("archive", "version3_horse_file.lzh", f.read())
    header, runner, _ = small_day([1])
    for name, content in [("bvo_den1.bv3", version3_file(header, version3_header)),
                          ("bvo_den2.bv3", version3_file(runner, version3_runner))]:
        with open(os.path.join(work, name), "wb") as f:
            f.write(content)
    subprocess.run(["jlha", "-a1", "v3day.lzh", "bvo_den1.bv3", "bvo_den2.bv3", "bvo_uma.bv3"], cwd=work,
                   check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(work, "v3day.lzh"), "rb") as f:
        put("archive", "version3_day.lzh", f.read())
    os.rename(os.path.join(work, "bvo_uma.bv3"), os.path.join(work, "bvo_uma.bv2"))
    os.rename(os.path.join(work, "bvo_den1.bv2"), os.path.join(work, "bvo_tok1.bv2"))
    os.rename(os.path.join(work, "bvo_den2.bv2"), os.path.join(work, "bvo_tok2.bv2"))
    subprocess.run(["jlha", "-a1", "tok.lzh", "bvo_tok1.bv2", "bvo_tok2.bv2", "bvo_uma.bv2"], cwd=work,
                   check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(work, "tok.lzh"), "rb") as f:
        put("archive", "replacement_day.lzh", f.read())

# The service's settings file.
put("settings", "catalogue",
    b"[SITE_AUTH]\r\nURLB=https://auth.example/login\r\n"
    b"[SITE_DATA_GUEST]\r\nURLB=dl.example/guest\r\n[SITE_DATA_MEMBER]\r\nURLB=dl.example/member\r\n"
    b"[SYUTSUBA+KYOUSOUBA_ALL]\r\nPATHB=/g/ , /m/\r\nPRICE=1000,800\r\nFILE=hz0410.lzh\r\nFILE=hb0410.lzh\r\n"
    b"[SUNDBL_SYUTSUBA+KYOUSOUBA]\r\nPATHB=/s/\r\nPRICE=210\r\nFILE=hs0410.lzh\r\n\x1a\r\n")
put("settings", "repeated_sections",
    b"SITE_AUTH URLB\nURLB=early\n[site_auth]\nURLB=first\n[SITE_AUTH]\nURLB=second\n"
    b"[SYUTSUBA+KYOUSOUBA_ALL]\nPRICE=x\nFILE=../up.lzh\nFILE=a.lzh\n")


# Stored passwords: AES-256-ECB under the program's key, Base64.
def stored(plain):
    key = bytearray(32)
    for i, b in enumerate(b"QTR_Lume"):
        key[i % 32] ^= b
    pad = 16 - len(plain) % 16
    out = subprocess.run(["openssl", "enc", "-aes-256-ecb", "-nopad", "-K", key.hex()],
                         input=plain + bytes([pad]) * pad, capture_output=True, check=True).stdout
    return base64.b64encode(out)


put("cipher", "password", stored(b"secret-pass"))
put("cipher", "sixteen_bytes", stored(b"0123456789abcdef"))
put("cipher", "too_short", b"QUJD")
put("cipher", "not_base64", b"@@@@====")
