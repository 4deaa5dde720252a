#!/usr/bin/env python3
"""Reference results for the flight-computer completions, worked out independently of the C++
code: the formulas written out again in Python doubles, with single precision imitated by a
round trip through a 4-byte float. Prints one line per case; the expected texts in
flight_formulas_test.cpp and the scenario function_completions and the angle values in
tests/calc/angles_test.cpp come from here.

Run: python3 tests/flight/formulas_reference.py
"""
import math
import struct
from decimal import Decimal, ROUND_HALF_UP

PI = 3.14159265358979
D2R = 0.017453292519943278
R2D = 57.29577951308238
REFUSAL = "Oops. - Error (out of Range, division by zero or typo.)  "


# Every failure (a division by zero, a root of a negative number, a value past the double or
# the single range) is an ArithmeticError or a ValueError.
def fin(x):
    if not math.isfinite(x):
        raise OverflowError
    return x


def single(x):
    # The native format rounds to nearest like a C cast; beyond the single range it gives inf.
    return fin(struct.unpack("f", struct.pack("f", fin(x)))[0])


def div(a, b):
    return fin(a / b)


def general(x):
    text = "%.15g" % x
    if "e" in text:
        mantissa, exponent = text.split("e")
        text = "%sE%s%02d" % (mantissa, exponent[0], int(exponent[1:]))
    return "0" if text == "-0" else text


def rounded(x):
    return general(float(round(fin(x))))  # Python's round sends halves to even


def read(text, maximum):
    """Leading number of a plain numeric text; refused texts read as 0.001."""
    try:
        value = float(text)
    except ValueError:
        value = 0.0
    return 0.001 if (value == 0 and text != "0") or value > maximum else value


def pressure_altitude(setting):
    return "The Pressure Altitude is " + rounded(fin((29.92 - read(setting, 40)) * 1000)) + " feet."


def true_airspeed(altitude, indicated):
    v = round(read(altitude, 99000))
    if not -2**31 <= v < 2**31:
        raise OverflowError
    ias = read(indicated, 999)
    return "The True Airspeed is " + general(fin(ias * 0.02 * (v / 1000) + ias))


def density_altitude(celsius, pressure):
    t = single(read(celsius, 99))
    x = single(div(read(pressure, 50) * 1.32625, t * (9 / 5) + 32 + 459.67))
    return "The Density Altitude is " + rounded(div(11346 - x * 148300, 0.37921 - x))


def dewpoint(celsius, humidity):
    t = single(read(celsius, 99))
    h = read(humidity, 100)
    a = single((math.log(h / 100) + t * 17.27 / (t + 237.3)) / 17.27)
    d = Decimal("%.15g" % div(a * 237.3, 1 - a)).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP)
    return "The Dewpoint is " + str(abs(d) if d == 0 else d)


def crosswind(speed, angle):
    w = read(speed, 999)
    theta = read(angle, 90) * D2R
    return (" Crosswind component is " + rounded(math.sin(theta) * w) +
            " Headwind component is " + rounded(math.cos(theta) * w))


def vector_angle(y, x):
    if x > 0:
        d = math.atan(y / x) * R2D
    elif x < 0:
        d = 180 if y == 0 else (math.atan(y / x) + math.copysign(PI, y)) * R2D
    else:
        d = 90 if y > 0 else -90 if y < 0 else 0
    return single(d * D2R)


def normalize(angle):
    angle = angle + 2 * PI if angle < 0 else angle
    return angle - 2 * PI if angle > 2 * PI else angle


def wind_finding(course, airspeed, heading, ground):
    crs, tas = read(course, 360) * D2R, read(airspeed, 999)
    hdg, gs = read(heading, 360) * D2R, read(ground, 999)
    delta = hdg - crs
    half_sine = math.sin(delta) / 2
    square = fin(4 * tas * gs * (half_sine * half_sine))
    speed = math.sqrt(fin(fin((tas - gs) * (tas - gs)) + square))
    direction = normalize(vector_angle(tas * math.sin(delta), tas * math.cos(delta) - gs) + crs)
    if round(speed) <= 0:
        return REFUSAL
    return "Wind is " + rounded(direction * R2D) + " at " + rounded(speed)


def arcsine(r):
    if r == 1 or r == -1:
        return math.copysign(PI / 2, r)
    return math.atan(div(r, math.sqrt(-r * r + 1)))


def heading_and_ground_speed(course, airspeed, wind_from, wind_speed):
    crs, tas = read(course, 360) * D2R, read(airspeed, 999)
    w, ws = read(wind_from, 360) * D2R, read(wind_speed, 999)
    r = div(ws, tas) * math.sin(w - crs)
    hdg = normalize(arcsine(r) + crs)
    gs = math.sqrt(1 - r * r) * tas - math.cos(w - crs) * ws
    if round(gs) <= 0:
        return REFUSAL
    return " Heading is " + rounded(hdg * R2D) + " at " + rounded(gs)


CASES = {
    pressure_altitude: [["29.42"], ["41"], ["-5000000"], ["-1E306"]],
    true_airspeed: [["6500", "120"], ["1234.5", "150"], ["1235.5", "150"], ["", "100"],
                    ["-1E12", "100"], ["-2000000000", "-1E307"]],
    # -40/25.33: holding x in double would give -1755; -38.88/26.62: holding the temperature in
    # double would give -3621.
    density_altitude: [["30", "28.5"], ["-40", "25.33"], ["-38.88", "26.62"], ["-1E39", "25"],
                       ["-3.4028235677973366E38", "25"]],
    # -1E10: a rounds to exactly 1 in single precision, a division by zero.
    dewpoint: [["20", "50"], ["0", "0"], ["-1E10", "100"]],
    crosswind: [["20", "30"], ["-1E308", "30"]],
    wind_finding: [["90", "100", "90", "90"], ["90", "100", "90", "110"],
                   ["360", "100", "10", "100"], ["45", "120", "40", "105"],
                   ["360", "100", "360", "90"], ["1", "100", "0", "90"],
                   ["90", "100", "90", "98.5"], ["90", "100", "90", "99.5"],
                   ["90", "100", "90", "-1E200"]],
    heading_and_ground_speed: [["90", "100", "360", "20"], ["10", "100", "90", "30"],
                               ["90", "100", "90", "150"], ["90", "100", "180", "150"],
                               ["90", "100", "180", "100"], ["90", "0", "360", "20"]],
}

if __name__ == "__main__":
    for function, cases in CASES.items():
        for inputs in cases:
            try:
                result = function(*inputs)
            except (ArithmeticError, ValueError):
                result = REFUSAL
            print("%-26s %-34s %r" % (function.__name__, inputs, result))
    for y, x in [(1, 1), (1, -1), (-3, -4), (0, -10), (5, 0), (-5, 0)]:
        print("VectorAngle(%s, %s) = %r" % (y, x, vector_angle(y, x)))
    print("ArcSine(0.5), ArcSine(1):", repr(arcsine(0.5)), repr(arcsine(1)))
    print("Normalize(-0.5), (7), (-7):", repr(normalize(-0.5)), repr(normalize(7)),
          repr(normalize(-7)))
