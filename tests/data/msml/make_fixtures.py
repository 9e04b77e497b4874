#!/usr/bin/env python3
"""Writes the SATWE and TBSA result-file fixtures of the clsMsMl tests (hand-chosen numbers).

UTF-8 with LF in satwe/, tbsa/, tbsa_v5/; GBK with CRLF copies in satwe_gbk/ and tbsa_gbk/.
Run from this folder: python3 make_fixtures.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def write(folder, name, lines, encoding="utf-8", eol="\n"):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(eol.join(lines).encode(encoding) + eol.encode())


def f1(vals):  # one decimal, SATWE force columns
    return "".join("%8.1f" % v for v in vals)


def ast(vals):  # reinforcement "  600."
    return "".join("%7d." % v for v in vals)


# ---------------- SATWE ----------------
def wpj(floor, beams):
    out = [" SATWE 梁配筋计算结果  第 %d 层" % floor, " （单位：mm2）", ""]
    for no, (b, h, top, btm) in beams:
        out += [
            " N-B＝%d (I＝%d, J＝%d)  Kind＝ 1  B*H(mm)＝%5d*%5d  Lb＝ 6.00  Cover＝ 25" % (no, 10 + no, 11 + no, b, h),
            "   -M(kNm)  " + ast([0] * 9),
            " Top Ast   " + ast(top),
            " Btm Ast   " + ast(btm),
            " Asv       " + ast([50] * 9),
            "",
        ]
    return out


def wnl(floor, cases, beams):
    out = [" SATWE 梁内力计算结果  第 %d 层" % floor, ""]
    for no, name in cases:
        out.append(" LOAD CASE＝%2d -- %s" % (no, name))
    out += ["", "              INTERNAL FORCE OF BEAM", ""]
    for no, rows in beams:
        out.append(" N-B ＝ %d (NODE-i＝ %d, NODE-j＝ %d)    弯矩 (kN-m)" % (no, 10 + no, 11 + no))
        for case, vals in rows:
            out.append("  (%2d)" % case + f1(vals) + ("    12.0" if len(vals) == 2 else ""))
        out.append("")
    return out


LAT = lambda m: [m, -m]  # noqa: E731  left-end, right-end moments of a lateral case

# Floor 1: vertical cases only.
F1_D1 = [-60, -20, 10, 30, 40, 30, 10, -20, -60]
F1_L1 = [-15, -5, 2, 7, 10, 7, 2, -5, -15]
F1_D2 = [-100, -40, 10, 50, 70, 50, 10, -40, -100]
F1_L2 = [-30, -10, 5, 15, 20, 15, 5, -10, -30]
satwe1_wpj = wpj(1, [
    (1, (250, 500, [600, 300, 0, 0, 0, 0, 0, 300, 600], [200, 250, 300, 350, 400, 350, 300, 250, 200])),
    (2, (300, 700, [900, 500, 100, 0, 0, 0, 100, 500, 900], [300, 400, 500, 600, 650, 600, 500, 400, 300])),
    (3, (250, 500, [500, 0, 0, 0, 0, 0, 0, 0, 500], [0, 0, 0, 0, 0, 0, 0, 0, 0])),
])
satwe1_wnl = wnl(1, [(1, "Vertical Dead Force"), (2, "Vertical Live Force")], [
    (1, [(1, F1_D1), (2, F1_L1)]),
    (2, [(1, F1_D2), (2, F1_L2)]),
    (3, [(1, F1_D1), (2, F1_L1)]),
])

# Floor 2: earthquake, wind, dead, live and both live arrangements.
F2 = {
    5: [-80, -30, 10, 35, 45, 35, 10, -30, -80],
    6: [-20, -8, 3, 9, 12, 9, 3, -8, -20],
    7: [-26, -10, 1, 6, 8, 6, 1, -10, -26],
    8: [-16, -6, 5, 12, 15, 12, 5, -6, -16],
    1: LAT(-60), 2: LAT(-20), 3: LAT(-40), 4: LAT(-10),
}
F2_B1 = {k: [v * 0.5 for v in vals] for k, vals in F2.items()}
satwe2_cases = [
    (1, "Earthquake Force in X-direction"), (2, "Earthquake Force in Y-direction"),
    (3, "Wind Force in X-direction"), (4, "Wind Force in Y-direction"),
    (5, "Vertical Dead Force"), (6, "Vertical Live Force"),
    (7, "(-M) of Beam under Live Load"), (8, "(+M) of Beam under Live Load"),
]
satwe2_wpj = wpj(2, [
    (1, (250, 600, [700, 400, 0, 0, 0, 0, 0, 400, 700], [250, 300, 350, 400, 450, 400, 350, 300, 250])),
    (2, (300, 650, [1200, 600, 200, 0, 0, 0, 200, 600, 1200], [400, 500, 700, 800, 850, 800, 700, 500, 400])),
    (12, (200, 400, [300, 100, 0, 0, 0, 0, 0, 100, 300], [100, 150, 200, 250, 300, 250, 200, 150, 100])),
])
satwe2_wnl = wnl(2, satwe2_cases, [
    (1, [(k, F2_B1[k]) for k in range(1, 9)]),
    (2, [(k, F2[k]) for k in range(1, 9)]),
    (12, [(k, F2_B1[k]) for k in range(1, 9)]),
])

# Floor 3 (file names in lower case): dead and live together, wind in X, one case not read.
F3_D = [-50, -15, 10, 25, 30, 25, 10, -15, -50]
satwe3_wpj = wpj(3, [(1, (200, 400, [400, 100, 0, 0, 0, 0, 0, 100, 400], [100, 150, 200, 250, 300, 250, 200, 150, 100]))])
satwe3_wnl = wnl(3, [(1, "Vertical Force (Dead & Live)"), (2, "Wind Force in X-direction"), (3, "Crane Load")], [
    (1, [(1, F3_D), (2, LAT(-20)), (3, [-999.0] * 9)]),
])

write("satwe", "WPJ1.OUT", satwe1_wpj)
write("satwe", "WNL1.OUT", satwe1_wnl)
write("satwe", "WPJ2.OUT", satwe2_wpj)
write("satwe", "WNL2.OUT", satwe2_wnl)
write("satwe", "wpj3.out", satwe3_wpj)
write("satwe", "wnl3.out", satwe3_wnl)
write("satwe_gbk", "WPJ2.OUT", satwe2_wpj, "gbk", "\r\n")
write("satwe_gbk", "WNL2.OUT", satwe2_wnl, "gbk", "\r\n")


# ---------------- TBSA ----------------
def f2(vals):
    return "".join("%11.2f" % v for v in vals)


def tbsa_beam(no, b, h, bl, fc, rows, as10):
    out = [" Be= %d   B*H=%.2f*%.2f   BL＝ %.2f   fc=%d." % (no, b, h, bl, fc),
           " Type      Ql          Ml          Tl              Qr          Mr          Tr"]
    for case, (ql, ml, qr, mr) in rows:
        out.append(" (%d)" % case + f2([ql, ml, 0, qr, mr, 0]))
    out.append(" As  " + "".join("%7.2f" % v for v in as10))
    out.append("")
    return out


def tbsa_floor(no):
    return [" " + "=" * 50, " | No. of Floor = %d |    梁内力及配筋" % no, " " + "=" * 50]


tbsa_struc = ["5,1,0,1,1,3", "20.0,3.6,4.2"]
tbsa_out = [" TBSA 4 梁计算结果", ""]
tbsa_out += tbsa_floor(1)
tbsa_out += tbsa_beam(1, 0.25, 0.50, 6.0, 15000,
                      [(1, (45, -60, 45, -60)), (2, (-12, -36, 12, 36)), (3, (-3, -9, 3, 9)),
                       (4, (-20, -60, 20, 60)), (5, (-5, -15, 5, 15))],
                      [6.00, 2.50, 2.00, 2.50, 6.00, 2.00, 3.00, 4.00, 3.00, 2.00])
tbsa_out += tbsa_beam(2, 0.30, 0.60, 8.0, 17500,
                      [(1, (10, -20, 10, -20)), (2, (-2, -8, 2, 8)), (3, (0, 0, 0, 0)),
                       (4, (-4, -16, 4, 16)), (5, (0, 0, 0, 0))],
                      [4.00, 1.00, 2.00, 1.00, 4.00, 1.50, 2.50, 3.00, 2.50, 1.50])
tbsa_out += tbsa_beam(3, 0.25, 0.50, 6.0, 15000,
                      [(1, (45, -60, 45, -60)), (2, (-12, -36, 12, 36)), (3, (-3, -9, 3, 9)),
                       (4, (-20, -60, 20, 60)), (5, (-5, -15, 5, 15))],
                      [6.00, 2.50, 0.00, 2.50, 6.00, 2.00, 3.00, 0.00, 3.00, 2.00])
tbsa_out += tbsa_floor(2)
tbsa_out += tbsa_beam(1, 0.20, 0.40, 4.0, 12500,
                      [(1, (20, -10, 20, -10)), (2, (-5, -10, 5, 10)), (3, (0, 0, 0, 0)),
                       (4, (0, 0, 0, 0)), (5, (0, 0, 0, 0))],
                      [3.00, 1.00, 1.50, 1.00, 3.00, 1.00, 2.00, 2.50, 2.00, 1.00])
tbsa_out += tbsa_beam(9, 0.20, 0.40, 4.0, 12500,
                      [(1, (20, -10, 20, -10)), (2, (-5, -10, 5, 10)), (3, (0, 0, 0, 0)),
                       (4, (0, 0, 0, 0)), (5, (0, 0, 0, 0))],
                      [3.00, 1.00, 1.50, 1.00, 3.00, 1.00, 2.00, 2.50, 2.00, 1.00])
write("tbsa", "Struc", tbsa_struc)
write("tbsa", "Tbsa4.Out", tbsa_out)
write("tbsa_gbk", "Struc", tbsa_struc, "gbk", "\r\n")
write("tbsa_gbk", "Tbsa4.Out", tbsa_out, "gbk", "\r\n")

# Version 5.0 for Windows: a title line first; vertical, an additional case and wind in X.
v5_struc = ["1号楼 TBSA （V5.0 Windows版本） 总信息", "", "3, 1, 1, 1, 0, 1   NST,IVL,IAD,IWIND,IEQ,IDIR",
            "20.0, 3.6"]
v5_out = tbsa_floor(1) + tbsa_beam(1, 0.25, 0.50, 6.0, 19500,
                                   [(1, (30, -40, 30, -40)), (2, (5, 10, 5, 10)), (3, (-8, -20, 8, 20))],
                                   [5.00, 2.00, 2.00, 2.00, 5.00, 2.00, 3.00, 3.50, 3.00, 2.00])
write("tbsa_v5", "Struc", v5_struc)
write("tbsa_v5", "Tbsa4.OUT", v5_out)
