#!/usr/bin/env python3
"""Reference texts of the "Emeryt ZUS" page for two whole projections.

Case M (man born 1952-12-18, work from 1976-12-21, initial capital computed,
second-pillar member, salary 1800, growth 3 %) and case W (woman born
1975-06-30, work from 1995-06-30, new system, initial capital typed 8000,00,
salary 3000, growth 2 %), each in the valorization modes NIE, ŚREDNIA, TAK.

Computed by the program's rules with exact rational arithmetic rounded the way
the program computes (amount_model.py): every operation to x87 extended
precision, every stored variable to a double, the program's RoundTo2Places and
its general and amount number formats.  Each case is recomputed under other
precision readings; any text that moves is listed as a warning, as is any
result lying within 1e-9 of a rounding boundary.

Readings taken where the rules leave a choice (see the comments marked READING):
- literals inside a formula are extended; rates, table indices and the two
  averages are doubles; ParseAmount yields a double;
- the monthly contribution S * r * 0.01 is evaluated inside the running sum,
  which is stored as a double after each month;
- the money format rounds half away from zero at the second decimal, thousands
  separated by an ordinary blank;
- each mode is run from a freshly started program (only the inputs of the case
  touched), which fixes the caption of the hidden valorization label in "TAK";
- a valorization year the dialog never stored counts as 100.

Run: python3 zus_reference.py > zus_reference.txt
"""
import amount_model as am
from amount_model import V, lit, tab, store, round2, money, fmt_general, parse_amount

BUILTIN = ["115,6", "112,72", "106,68", "101,9", "102", "103,63", "105,55",
           "106,9", "112,85", "116,26", "107,22", "103,98", "105,18"]

CASES = {
    "M": dict(man=True, birth=(1952, 12, 18), start=(1976, 12, 21), life="202,7",
              salary="1800", growth=3, ofe=True, lata_skl="22", mc_skl="0",
              lata_nskl="1", mc_nskl="9", kp_text="0,00"),
    "W": dict(man=False, birth=(1975, 6, 30), start=(1995, 6, 30), life="245,3",
              salary="3000", growth=2, ofe=True, kp_text="8000,00"),
}
MODES = ["NIE", "ŚREDNIA", "TAK"]


def valorization_table(case, c):
    """Indices stored by the dialog's "Zapisz" (index k = row k); None = 100."""
    by, sy = c["birth"][0], c["start"][0]
    retire = by + (65 if c["man"] else 60)
    if case == "M":   # born 1949..1968: R - 1998 rows, built-in indices filled in
        rows = retire - 1998
        cells = [BUILTIN[r] if r < 13 else "105,18" for r in range(rows)]
    else:             # born after 1968: R - Y + 1 rows, the user types 13 indices
        rows = retire - sy + 1
        cells = [BUILTIN[r] if r < 13 else "" for r in range(rows)]
    # an empty cell stores 100; READING: a stored index is a double like a parsed one
    return {k + 1: (V(100) if t == "" else parse_amount(t)) for k, t in enumerate(cells)}


def averages():
    """The two averages of the ŚREDNIA mode, each rounded to 2 places.
    READING: held as doubles, which is what the rounding rule returns."""
    shown = round2(tab("107.72846153846154"))
    used = round2(tab("107.53666666666666"))
    return shown, used


def run(case, mode):
    c = CASES[case]
    out, trace, msgs = [], [], []
    put = lambda name, text: out.append((name, text))
    note = lambda name, value: trace.append((name, value))
    man, (by, bm, bd), (sy, sm, sd) = c["man"], c["birth"], c["start"]
    avg_shown, avg_used = averages()

    # Label of the valorization mode: click handler, then step 2 of the calculation.
    # READING: each mode starts from a fresh program, so "TAK" leaves the start-up
    # caption in place (hidden).
    caption, label_visible = "Waloryzacja 0%", True
    if mode == "ŚREDNIA":
        caption = "Waloryzacja skł. ZUS o " + fmt_general(avg_shown - 100) + "%"
    elif mode == "TAK":
        label_visible = False
    if mode == "NIE":
        caption = "Brak waloryzacji skł. ZUS"
    T = valorization_table(case, c) if mode == "TAK" else {}

    am.CONTEXT[0] = "%s %s initial capital" % (case, mode)
    L = parse_amount(c["life"])
    g = c["growth"]
    S = parse_amount(c["salary"])
    birth, start = c["birth"], c["start"]
    initial_capital = ((1949, 1, 1) <= birth <= (1968, 12, 31)
                       or (birth > (1968, 12, 31) and start < (1989, 12, 31)))
    fields = {"EditKapitalPoczatkowy": c["kp_text"], "EditKapitalPoczatkowy_mc": "0,00",
              "EditKapitalPoczatkowy1999": "0,00"}

    if initial_capital:
        P = parse_amount("1220,89")
        R, Sreq = (65, 25) if man else (60, 20)
        d = sm - bm
        A = 1998 - by + (0 if 0 <= d <= 6 else 1)
        ls, ms, ln, mn = (int(c[k]) for k in ("lata_skl", "mc_skl", "lata_nskl", "mc_nskl"))
        Y = ls + ln + (2 if ms + mn >= 19 else 1 if ms + mn >= 7 else 0)
        WP = round2(store(am.sqrt(V(A - 18) / (R - 18) * Y / Sreq) * 100))
        Ms, Mn = ls * 12 + ms, ln * 12 + mn
        p1 = round2(store(P * 24 * lit("0.01") * WP * lit("0.01")))
        p2 = round2(store(P * lit("0.013") * Ms / 12))
        p3 = round2(store(P * lit("0.007") * Mn / 12))
        KP = store(L * (p1 + p2 + p3))
        fields["EditKapitalPoczatkowy1999"] = fmt_general(KP)
        fields["EditKapitalPoczatkowy_mc"] = money(p1 + p2 + p3)
        for k, v in (("A", A), ("Y", Y), ("Ms", Ms), ("Mn", Mn), ("WP", WP), ("p1", p1),
                     ("p2", p2), ("p3", p3), ("KP", KP)):
            note(k, v)
        out.append(("#", "after the initial-capital step:"))
        for name in ("EditKapitalPoczatkowy1999", "EditKapitalPoczatkowy", "EditKapitalPoczatkowy_mc"):
            put(name + " (after initial capital)", fields[name])
        Y0 = 1999
        retire = by + (65 if man else 60)
        N, N25, N67 = retire - 1998, sy + (25 if man else 20) - 1998, by + 67 - 1998
        rates = ("11.22", "16.22", "16.22") if c["ofe"] else ("18.52", "18.52", "18.52")
        phases = [(1, 12, 0), (12, 14, 1), (14, N67, 2)]
        note("phases", "1..12, 12..14, 14..%d (fixed in this regime)" % N67)
    else:
        KP = V(0)
        Y0 = max(sy, 1999)
        retire = by + (65 if man else 60)
        N, N25, N67 = retire - Y0, (25 if man else 20), by + 67 - Y0
        P1 = 13 if sy < 1999 else 12 if sy == 1999 else 2012 - sy if sy <= 2010 else 1
        note("P1", P1)
        rates = ("11.22", "16.22", "15.72")
        phases = [(1, P1, 0), (P1, 14, 1), (14, N67, 2)]
        note("phases", "1..%d, %d..14, 14..%d" % (P1, P1, N67))
    for k, v in (("N", N), ("N25", N25), ("N67", N67), ("Y0", Y0)):
        note(k, v)

    grid = {}
    for r in range(1, N + 1):
        grid[(r, 0)], grid[(r, 1)] = str(r), str(Y0 + r - 1)
    Paid = Cap = V(0)
    PaidShown = V(0)
    lab25, lab, vis25 = None, "Emerytura/mc", None
    for first, last, ph in phases:
        r = tab(rates[ph])
        for k in range(first, last + 1):
            am.CONTEXT[0] = "%s %s year %d phase %d" % (case, mode, k, ph + 1)
            if k > 1:
                S = store(S * (1 + g * lit("0.01")))
            Cy = V(0)
            for _ in range(12):   # READING: the monthly amount is not stored on its own
                Cy = store(Cy + S * r * lit("0.01"))
            Paid = store(Paid + Cy)
            if mode == "NIE":
                Cap = store(Cap + Cy)
            elif mode == "ŚREDNIA":
                Cap = store((Cap + Cy) * lit("0.01") * avg_used)
                if initial_capital:
                    KP = store(lit("0.01") * avg_used * KP)
            else:
                t = T.get(k, V(100))          # never stored: 100
                Cap = store((Cap + Cy) * t * lit("0.01"))
                if initial_capital:
                    KP = store(KP * t * lit("0.01"))
            if initial_capital:
                KP = round2(KP)
                fields["EditKapitalPoczatkowy"] = money(KP)
                fields["EditKapitalPoczatkowy_mc"] = money(round2(store(KP / L)))
            S_unrounded = S
            S = round2(S)
            PaidShown = round2(Paid)
            Cap = round2(Cap)
            grid[(k, 2)], grid[(k, 3)], grid[(k, 4)] = fmt_general(S), fmt_general(PaidShown), fmt_general(Cap)
            grid[(k, 5)] = fields["EditKapitalPoczatkowy"] if initial_capital else ""
            grid[(k, 6)] = fields["EditKapitalPoczatkowy_mc"] if initial_capital else ""
            trace.append(("k=%d phase %d rate %s" % (k, ph + 1, rates[ph]),
                          "S grown=%s Cy=%s Paid=%s Cap rounded=%s KP rounded=%s" % tuple(
                              am.show(x) for x in (S_unrounded, Cy, Paid, Cap, KP))))
            if ph == 2:
                if initial_capital:
                    lab25 = ""
                    if k == N25:   # unrounded, straight from the arithmetic unit
                        lab25 = fmt_general((Cap + KP) / L)
                else:
                    KP = parse_amount(fields["EditKapitalPoczatkowy"])
                    if k == N25:
                        lab25 = money(round2(store((Cap + KP) / L))) + "zł"
                if k == N:
                    lab = money(round2(store((Cap + KP) / L))) + "zł"
                vis25 = bool(lab25)
    am.CONTEXT[0] = "%s %s totals" % (case, mode)
    row_count = N + 1
    # Amount texts are followed by "zł" with no blank, as the rules write them.
    if initial_capital:
        wpl, kap = "Wpłacono " + money(PaidShown) + "zł", "Kapitał na koncie " + money(Cap) + "zł"
        P67 = store(store(KP + Cap) / L)      # L > 0 in these cases: no message
        lab67 = money(P67) + "zł"      # not rounded: the money format rounds it
    else:
        Pm, Q = round2(store(Cap / L)), round2(store(KP / L))
        lab67 = money(Pm + Q) + "zł"
        wpl, kap = "Wpłacono " + money(PaidShown) + "zł", "Kapitał " + money(Cap) + "zł"

    out.append(("#", "final state after the button press:"))
    for name in ("EditKapitalPoczatkowy1999", "EditKapitalPoczatkowy", "EditKapitalPoczatkowy_mc"):
        put(name, fields[name])
    put("LabelMiesiecznaEmerytura", lab)
    put("LabelMiesiecznaEmerytura25", lab25)
    put("LabelMiesiecznaEmerytura25.visible", vis25)
    put("LabelInformacjaOEmeryturze25.visible", vis25)
    put("LabelMiesiecznaEmerytura67", lab67)
    put("Wplacono2", wpl)
    put("Kapital2", kap)
    put("LabelSredniaWaloryzacja", caption)
    put("LabelSredniaWaloryzacja.visible", label_visible)
    put("Tabelka2.RowCount", row_count)
    for r in range(1, row_count):
        for col in range(7):
            put("Tabelka2[%d][%d]" % (r, col), grid.get((r, col), ""))
    put("messages", msgs)
    return out, trace


def text_of(v):
    if isinstance(v, bool):
        return "true" if v else "false"
    if isinstance(v, int):
        return str(v)
    if isinstance(v, list):
        return "none" if not v else " | ".join('"%s"' % m for m in v)
    return '"%s"' % v


def main():
    print("# Emeryt ZUS reference texts, generated by zus_reference.py")
    print("# Numbers: 80-bit intermediates, doubles where stored, the program's rounding and formats.")
    print("# Each mode is computed from a freshly started program; the grid heading row is not repeated.")
    for case in ("M", "W"):
        for mode in MODES:
            am.set_model(am.MAIN)
            am.CONTEXT[0] = "%s %s" % (case, mode)
            out, trace = run(case, mode)
            print("\n## case %s, valorization %s" % (case, mode))
            for name, value in trace:
                print("# %s = %s" % (name, value if isinstance(value, (int, str)) else am.show(value)))
            for name, value in out:
                print("# " + value if name == "#" else "%s = %s" % (name, text_of(value)))
            main_texts = dict(out)
            saved, notes, moved = list(am.WARNINGS), list(am.NOTES), 0
            for variant in am.VARIANTS:
                am.set_model(variant)
                other = dict(run(case, mode)[0])
                for name, value in main_texts.items():
                    if other.get(name) != value:
                        moved += 1
                        print("# WARNING precision: under reading '%s' %s = %s"
                              % (variant.name, name, text_of(other.get(name))))
            am.WARNINGS[:], am.NOTES[:] = saved, notes
            if not moved:
                print("# Every text above is the same under the readings: %s."
                      % "; ".join(v.name for v in am.VARIANTS))
    print()
    print("\n".join(am.report_lines()))


if __name__ == "__main__":
    main()
