#!/usr/bin/env python3
"""Reference texts of the two fund projections ("Emeryt II" and "Emeryt III").

Case F2: second pillar, salary 2500, costs 250, joining age 30, 20 payment
years, work from 2005, commission 4, fee 1, yield 5, salary growth 3.
Case F3: third pillar, woman, yearly contribution 2400, starting amount 1000,
joining age 40, 15 payment years, joined 2010, commission 8, fee 2, yield 6,
contribution growth 3.

Computed by the program's rules with exact rational arithmetic rounded the way
the program computes (amount_model.py): every operation to x87 extended
precision, every stored variable to a double, the program's rounding rules
(to the grosz, to whole złoty) and its number formats.  Each case is
recomputed under other precision readings; any text that moves is listed as a
warning, as is any result within 1e-9 of a rounding boundary.

Readings taken where the rules leave a choice (marked READING below):
- literals inside a formula are extended; the phase rates 0.073/0.023/0.028
  are doubles; ParseAmount yields a double;
- the "no decimals" number format rounds half away from zero, thousands
  separated by an ordinary blank, precision 10;
- the third-pillar capital written into the second-pillar field Kapital uses
  the general number format, as the paid total beside it does;
- F3 is computed after F2 in the same run, so the Emeryt II fields it
  overwrites and the shared per-year rows are shown as F3 leaves them
  (Salary[k] keeps F2's values).

Run: python3 funds_reference.py > funds_reference.txt
"""
import amount_model as am
from amount_model import V, lit, tab, store, round2, round_zl, fmt_general, fmt_number, parse_amount


def word_age(n):
    s = str(n)
    return " lata" if len(s) == 2 and s[1] in "234" else " lat"


def word_years(n):
    s = str(n)
    if len(s) == 1:
        return " rok" if n == 1 else " lata" if n in (2, 3, 4) else " lat"
    return " lata" if s[1] in "234" else " lat"


def whole(v):
    """Number format with thousands separators and no decimals (precision 10)."""
    return fmt_number(v, 0, 10)


def second_pillar(rows):
    out = []
    put = lambda n, t: out.append((n, t))
    age, years, start_year = 30, 20, 2005
    put("UstawionyWiek", "%d%s" % (age, word_age(age)))
    put("UstawionyOkres", "%d%s" % (years, word_years(years)))
    n = 67 - age + 1
    S = parse_amount("2500")
    z, w, f = parse_amount("5"), parse_amount("3"), parse_amount("1")
    K = parse_amount("250")
    cm = parse_amount("4")
    P1 = 13 if start_year < 1999 else 2012 - start_year if start_year <= 2010 else 1
    phases = [(1, P1, "0.073", "7,3"), (P1, P1 + 2, "0.023", "2,3"), (P1 + 2, n, "0.028", "2,8")]
    out.append(("#", "n = %d, P1 = %d, phases %s" % (n, P1, ", ".join("%d..%d" % p[:2] for p in phases))))
    Salary, Paid, Capital, grid = {}, {}, {}, {}
    base = 1998 if start_year < 1999 else start_year - 1
    for first, last, rate, rate_text in phases:
        r = tab(rate)                     # READING: the rate is a double parameter
        for k in range(first, last + 1):
            am.CONTEXT[0] = "F2 year %d at %s" % (k, rate_text)
            year_paid = year_net = V(0)
            if k > 1:
                S = store((w * lit("0.01") + 1) * S)
            S = round_zl(S)
            Salary[k] = S
            for _ in range(12):
                m = round2(store((S - K) * r))
                net = round2(store((1 - lit("0.01") * cm) * m))
                year_paid = store(year_paid + m)
                year_net = store(year_net + net)
            Paid[k] = round_zl(year_paid if k == 1 else store(Paid[k - 1] + year_paid))
            if k == 1:
                Capital[k] = round_zl(store((lit("0.01") * z + 1) * year_net))
            else:
                Capital[k] = round_zl(store((Capital[k - 1] + year_net) * (lit("0.01") * z + 1)))
            grid[k] = [str(k), fmt_general(V(base + k)), fmt_general(Salary[k]),
                       fmt_general(Paid[k]), fmt_general(Capital[k]), rate_text]
    TP, TC = round2(Paid[n]), round2(Capital[n])
    put("Wplacono", "Wpłacono " + whole(TP) + " zł")
    put("Kapital", "Kapitał " + whole(TC) + " zł")
    months = years * 12
    am.CONTEXT[0] = "F2 pension"
    p = round2(store(TC / months * (1 - lit("0.01") * f)))
    put("MiesiecznaEmerytura", whole(p) + " zł")
    put("Tabelka.RowCount", n + 1)
    for c, h in enumerate(["Lp", "ROK", "PŁACA", "WPŁATY", "KAPITAŁ", "%SKŁ."]):
        put("Tabelka[0][%d]" % c, h)
    for k in range(1, n + 1):
        for c, t in enumerate(grid[k]):
            put("Tabelka[%d][%d]" % (k, c), t)
    rows.update(Salary=Salary, Paid=Paid, Capital=Capital, n=n)
    return out


def third_pillar(rows):
    out = []
    put = lambda n, t: out.append((n, t))
    age, years, join_year, woman = 40, 15, 2010, True
    yearly_text = "2400"
    # The change handlers rewrite the partner field and the starting amount.
    monthly = parse_amount(yearly_text) * (V(1) / 12)
    put("SkladkaMiesieczna", fmt_general(monthly))
    put("KwotaPoczatkowa", fmt_general(parse_amount("1000")))
    put("UstawionyWiek1", "%d%s" % (age, word_age(age)))
    put("UstawionyOkres1", "%d%s" % (years, word_years(years)))
    K0 = parse_amount("1000")
    n = (60 if woman else 65) - age + 1
    z, i, f = parse_amount("6"), parse_amount("3"), parse_amount("2")
    out.append(("#", "n = %d" % n))
    Paid, Capital = {}, {}
    for k in range(1, n + 1):
        am.CONTEXT[0] = "F3 year %d" % k
        if k == 1:
            Cy = store(parse_amount(yearly_text) + K0)
            Paid[1] = Cy
        else:
            Cy = parse_amount(yearly_text)
            Paid[k] = store(Paid[k - 1] + Cy)
            Cy = store((lit("0.01") * i + 1) * Cy)
        net = store((1 - lit("0.01") * parse_amount("8")) * Cy)
        Paid[k] = round2(Paid[k])
        if k == 1:
            Capital[k] = round2(store((lit("0.01") * z + 1) * net))
        else:
            Capital[k] = round2(store((Capital[k - 1] + net) * (lit("0.01") * z + 1)))
    TP, TC = round2(Paid[n]), round2(Capital[n])
    # READING: TC is written in the general number format like TP.
    put("Wplacono", "Wplacono składki " + fmt_general(TP) + " zł")
    put("Kapital", "Zebrany kapitał FE wynosi " + fmt_general(TC) + " zł")
    put("Wplacono1", "Wpłacono " + whole(TP) + " zł")
    put("Kapital1", "Kapitał " + whole(TC) + " zł")
    am.CONTEXT[0] = "F3 pension"
    p = round2(store(TC / (years * 12) * (1 - lit("0.01") * f)))
    put("MiesiecznaEmerytura1", whole(p) + " zł")
    put("Tabelka1.RowCount", n + 1)
    for c, h in enumerate(["LP", "LATA", "WPŁATY", "KAPITAŁ"]):
        put("Tabelka1[0][%d]" % c, h)
    for k in range(1, n + 1):
        for c, t in enumerate([str(k), fmt_general(V(join_year - 1 + k)),
                               fmt_general(Paid[k]), fmt_general(Capital[k])]):
            put("Tabelka1[%d][%d]" % (k, c), t)
    rows.update(Paid={**rows["Paid"], **Paid}, Capital={**rows["Capital"], **Capital}, n=n)
    return out


def run():
    rows = {}
    return second_pillar(rows), dict(rows), third_pillar(rows), rows


def fmt_rows(rows, upto, names):
    lines = []
    for k in range(1, upto + 1):
        for name in names:
            lines.append("%s[%d] = %r" % (name, k, float(rows[name][k].q)))
    return lines


def main():
    print("# Fund projection reference texts, generated by funds_reference.py")
    print("# Numbers: 80-bit intermediates, doubles where stored, the program's rounding and formats.")
    print("# Per-year rows are numbers (Python double literals), not texts.")
    am.set_model(am.MAIN)
    am.CONTEXT[0] = "funds"
    f2, rows2, f3, rows3 = run()
    texts = {}
    for title, out in (("## case F2 (Emeryt II)", f2), ("## case F3 (Emeryt III), run after F2", f3)):
        print("\n" + title)
        for name, value in out:
            if name == "#":
                print("# " + value)
            else:
                print('%s = %s' % (name, value if isinstance(value, int) else '"%s"' % value))
                texts[(title, name)] = value
        if out is f2:
            print("# per-year rows left by F2")
            print("\n".join(fmt_rows(rows2, rows2["n"], ("Salary", "Paid", "Capital"))))
        else:
            print("# per-year rows after F3: Paid and Capital 1..%d rewritten, Salary[k] still F2's" % rows3["n"])
            print("\n".join(fmt_rows(rows3, rows3["n"], ("Paid", "Capital"))))
    saved, notes, moved = list(am.WARNINGS), list(am.NOTES), 0
    for variant in am.VARIANTS:
        am.set_model(variant)
        o2, _, o3, _ = run()
        other = {}
        for title, out in (("## case F2 (Emeryt II)", o2), ("## case F3 (Emeryt III), run after F2", o3)):
            other.update({(title, n): v for n, v in out if n != "#"})
        for key, value in texts.items():
            if other.get(key) != value:
                moved += 1
                print("# WARNING precision: under reading '%s' %s = %r" % (variant.name, key[1], other.get(key)))
    am.WARNINGS[:], am.NOTES[:] = saved, notes
    print()
    if not moved:
        print("# Every text above is the same under the readings: %s."
              % "; ".join(v.name for v in am.VARIANTS))
    print("\n".join(am.report_lines()))


if __name__ == "__main__":
    main()
