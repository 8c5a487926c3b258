"""Number model shared by the reference scripts.

Exact rational arithmetic (fractions.Fraction), rounded after every operation
to the binary precision the program computes in (x87 extended, 64-bit
significand) and to IEEE double (53-bit significand) wherever the program
stores a value.  On top of it: the program's amount parser, its rounding rules
(RoundTo2Places, RoundToWholeZloty: Int, Frac, scaled fraction + 0.000001,
round half to even, each step stored as a double) and its two number formats
(general: at most 15 significant digits; money: 2 decimals, blank as thousands
separator).  Python standard library only.

The precision of each kind of operand is a switch in MODEL, so a script can
recompute a case under other precision readings and report which texts move.
"""
import re
from fractions import Fraction


class Model:
    """Which precision each kind of value gets (bits of significand)."""

    def __init__(self, name="main", inter=64, const=64, table=53, parse=53, rule=64):
        self.name = name
        self.inter = inter  # result of every arithmetic operation (80-bit register)
        self.const = const  # decimal literals written inside a formula (0.01, 0.013 ...)
        self.table = table  # rates and built-in index values passed around as doubles
        self.parse = parse  # what ParseAmount yields
        self.rule = rule    # 0.01 and 0.000001 inside the rounding rules


MAIN = Model()
VARIANTS = [
    Model("rates+averages extended", table=64),
    Model("literals double", const=53),
    Model("parsed values extended", parse=64),
    Model("all double", inter=53, const=53, table=53, parse=53, rule=53),
]
MODEL = MAIN
WARNINGS = []   # (context, text) of results lying on a rounding boundary
NOTES = []     # (context, text) of exact half grosz inputs
CONTEXT = [""]  # label of the case being computed, for the warnings
TIE = Fraction(1, 10**9)


def set_model(m):
    global MODEL
    MODEL = m


def round_bits(q, bits):
    """q rounded to a binary float with `bits` significand bits, ties to even."""
    q = Fraction(q)
    if q == 0:
        return q
    sign, a = (1, q) if q > 0 else (-1, -q)
    e = a.numerator.bit_length() - a.denominator.bit_length()
    if a < Fraction(2) ** e:
        e -= 1
    shift = bits - 1 - e                      # a * 2**shift lies in [2**(bits-1), 2**bits)
    s = a * Fraction(2) ** shift
    n, rem = divmod(s.numerator, s.denominator)
    twice = 2 * rem
    if twice > s.denominator or (twice == s.denominator and n % 2):
        n += 1
    return sign * Fraction(n) / Fraction(2) ** shift


def dbl(q):
    return round_bits(q, 53)


def _val(o):
    return o.q if isinstance(o, V) else Fraction(o)


class V:
    """A number in the arithmetic unit: every operation rounds to MODEL.inter."""
    __slots__ = ("q",)

    def __init__(self, q):
        self.q = Fraction(q)

    def _r(self, q):
        return V(round_bits(q, MODEL.inter))

    def __add__(self, o): return self._r(self.q + _val(o))
    def __radd__(self, o): return self._r(_val(o) + self.q)
    def __sub__(self, o): return self._r(self.q - _val(o))
    def __rsub__(self, o): return self._r(_val(o) - self.q)
    def __mul__(self, o): return self._r(self.q * _val(o))
    def __rmul__(self, o): return self._r(_val(o) * self.q)
    def __truediv__(self, o): return self._r(self.q / _val(o))
    def __rtruediv__(self, o): return self._r(_val(o) / self.q)
    def __eq__(self, o): return self.q == _val(o)
    def __hash__(self): return hash(self.q)
    def __float__(self): return float(self.q)
    def __repr__(self): return repr(float(self.q))


def lit(text):
    """A decimal literal of a formula (for example lit("0.01"))."""
    return V(round_bits(Fraction(text), MODEL.const))


def tab(text):
    """A rate or built-in table value held as a variable."""
    return V(round_bits(Fraction(text), MODEL.table))


def store(v):
    """Assignment to a variable: the value is stored as a double."""
    return V(dbl(_val(v)))


def sqrt(v):
    """Square root, correctly rounded to MODEL.inter bits."""
    q, bits, guard = _val(v), MODEL.inter, 8
    e = q.numerator.bit_length() - q.denominator.bit_length()
    if q < Fraction(2) ** e:
        e -= 1
    s = bits - 1 - e // 2 + guard               # sqrt(q) * 2**s has bits+guard bits
    x = q * Fraction(4) ** s
    n = x.numerator // x.denominator
    r = _isqrt(n)
    exact = r * r == x
    low, r = r % (1 << guard), r >> guard
    half = 1 << (guard - 1)
    if low > half or (low == half and (not exact or r % 2)):
        r += 1
    return V(round_bits(Fraction(r) / Fraction(2) ** (s - guard), bits))


def _isqrt(n):
    import math
    return math.isqrt(n)


_AMOUNT = re.compile(r"^ *([+-])?(\d*)(,(\d*))?([eE]([+-]?\d+))? *$")


def parse_amount(text):
    """ParseAmount: comma decimal separator, optional sign and exponent."""
    m = _AMOUNT.match(text)
    if not m or not (m.group(2) or m.group(3)):
        raise ValueError("'%s' is not a valid floating point value" % text)
    q = Fraction((m.group(2) or "0") + "." + (m.group(4) or "0"))
    if m.group(6):
        q *= Fraction(10) ** int(m.group(6))
    if m.group(1) == "-":
        q = -q
    return V(round_bits(q, MODEL.parse))


def _int_frac(x):
    """Int (toward zero) and Frac of a double; both are exact doubles."""
    q = dbl(_val(x))
    i = Fraction(int(q))          # int() of a Fraction truncates toward zero
    return q, i, q - i


def _half_even(t):
    n = t.numerator // t.denominator
    rem = t - n
    if rem > Fraction(1, 2) or (rem == Fraction(1, 2) and n % 2):
        n += 1
    return n


def _scaled(f):
    """Frac * 100 + 0.000001, computed in the arithmetic unit, stored as a double."""
    c6 = round_bits(Fraction(1, 10**6), MODEL.rule)
    t = round_bits(round_bits(f * 100, MODEL.inter) + c6, MODEL.inter)
    return dbl(t)


def _warn(what, x):
    WARNINGS.append((CONTEXT[0], "%s: %r lies within 1e-9 of a rounding boundary" % (what, float(x))))


def _half_grosz(what, q, f):
    """An input on an exact half grosz: the rule's 0.000001 term decides it
    (deterministically, but a test should know)."""
    s = f * 100
    if abs(s - (s.numerator // s.denominator) - Fraction(1, 2)) / 100 < TIE:
        NOTES.append((CONTEXT[0], "%s: %r is a half grosz, rounded up by the 0.000001 term"
                      % (what, float(q))))


def round2(x):
    """RoundTo2Places: Int(x) + R(Frac(x) * 100 + 0.000001) * 0.01."""
    q, i, f = _int_frac(x)
    t = _scaled(f)
    k = _half_even(t)
    if abs(t - (t.numerator // t.denominator) - Fraction(1, 2)) / 100 < TIE:
        _warn("RoundTo2Places", q)
    _half_grosz("RoundTo2Places", q, f)
    c2 = round_bits(Fraction(1, 100), MODEL.rule)
    r = dbl(round_bits(k * c2, MODEL.inter))
    return V(dbl(round_bits(i + r, MODEL.inter)))


def round_zl(x):
    """RoundToWholeZloty: Int(x), plus 1 when R(Frac(x) * 100 + 0.000001) >= 50."""
    q, i, f = _int_frac(x)
    t = _scaled(f)
    if abs(t - Fraction(99, 2)) / 100 < TIE:
        _warn("RoundToWholeZloty", q)
    if abs(f * 100 - Fraction(99, 2)) / 100 < TIE:
        _half_grosz("RoundToWholeZloty", q, f)
    return V(i if _half_even(t) < 50 else i + 1)


def _exp10(a):
    """floor(log10(a)) for a > 0, exactly."""
    e = len(str(a.numerator)) - len(str(a.denominator))
    while Fraction(10) ** e > a:
        e -= 1
    while Fraction(10) ** (e + 1) <= a:
        e += 1
    return e


def _round_half_up(t, what, unit, near=TIE):
    """t >= 0 rounded to an integer, a half going up; warns when the value
    (t * unit) is within `near` of a half unit."""
    n = t.numerator // t.denominator
    rem = t - n
    if abs(rem - Fraction(1, 2)) * unit < near:
        _warn(what, t * unit)
    return n + 1 if rem >= Fraction(1, 2) else n


def fmt_general(x):
    """FormatGeneral: at most 15 significant digits, "," separator, no trailing zeros."""
    q = _val(x)
    if q == 0:
        return "0"
    a = abs(q)
    e = _exp10(a)
    unit = Fraction(10) ** (e - 14)
    # a half at the 16th digit within a millionth of a digit: the 80-bit
    # conversion could land either side
    n = _round_half_up(a / unit, "FormatGeneral", unit, unit / 10**6)
    if n == 10**15:
        n, e = 10**14, e + 1
    digits = str(n).rstrip("0")
    sign = "-" if q < 0 else ""
    if a < Fraction(1, 10**5) or e >= 15:
        mant = digits[0] + ("," + digits[1:] if len(digits) > 1 else "")
        return sign + mant + "E" + str(e)
    if e >= 0:
        ip, fp = digits[: e + 1].ljust(e + 1, "0"), digits[e + 1:]
    else:
        ip, fp = "0", "0" * (-e - 1) + digits
    return sign + ip + ("," + fp if fp else "")


def fmt_number(x, decimals=2, precision=12):
    """Number format: thousands grouped by a blank, fixed decimals, "," separator."""
    q = _val(x)
    a = abs(q)
    e = _exp10(a) if a else 0
    if e + 1 > precision:
        raise NotImplementedError("exponent form not needed by these cases")
    nd = min(decimals, precision - (e + 1))
    n = _round_half_up(a * Fraction(10) ** nd, "number format", Fraction(1, 10**nd))
    n *= 10 ** (decimals - nd)
    ip, fp = divmod(n, 10**decimals)
    text = "{:,}".format(ip).replace(",", " ")
    if decimals:
        text += "," + str(fp).rjust(decimals, "0")
    return ("-" if q < 0 and n else "") + text


def money(x):
    """Amount text: two decimals, thousands separated by a blank (precision 12)."""
    return fmt_number(x, 2, 12)


def report_lines():
    """Comment lines for the end of a reference file: ties, then half grosz notes."""
    lines = ["# WARNING tie (%s): %s" % w for w in WARNINGS]
    if not WARNINGS:
        lines.append("# No result lies within 1e-9 of a rounding boundary (main reading).")
    seen = {}
    for note in NOTES:
        seen[note] = seen.get(note, 0) + 1
    for (ctx, text), count in seen.items():
        lines.append("# NOTE (%s): %s%s" % (ctx, text, " (%d times)" % count if count > 1 else ""))
    return lines


def show(v):
    """Short form of a value for the trace lines."""
    return repr(float(_val(v)))
