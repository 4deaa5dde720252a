#!/usr/bin/env python3
"""Reference results for the flight-computer completions, worked out independently of the C++
code: the formulas written out again in Python doubles, with single precision imitated by a
round trip through a 4-byte float. Prints one line per case; the expected texts in
flight_formulas_test.cpp come from here.

Run: python3 tests/keypad/formulas_reference.py
"""
import math
import struct
from decimal import Decimal, ROUND_HALF_UP

PI = 3.14159265358979
D2R = 0.017453292519943278
R2D = 57.29577951308238
REFUSAL = "Oops. - Error (out of Range, division by zero or typo.)  "


class Fail(Exception):
    pass


def single(x):
    if not math.isfinite(x):
        raise Fail
    # The native format rounds to nearest like a C cast; beyond the single range it gives inf.
    return fin(struct.unpack("f", struct.pack("f", x))[0])


def fin(x):
    if not math.isfinite(x):
        raise Fail
    return x


def mul(a, b):
    return fin(a * b)


def div(a, b):
    if b == 0:
        raise Fail
    return fin(a / b)


def ln(x):
    if x <= 0:
        raise Fail
    return math.log(x)


def sqrt(x):
    if x < 0:
        raise Fail
    return math.sqrt(x)


def general(x):
    text = "%.15g" % x
    if "e" in text:
        mantissa, exponent = text.split("e")
        text = "%sE%s%02d" % (mantissa, exponent[0], int(exponent[1:]))
    return "0" if text == "-0" else text


def rounded(x):
    return general(float(round(fin(x))))  # Python's round sends halves to even


def one_decimal(x):
    text = str(Decimal("%.15g" % fin(x)).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP))
    return "0.0" if text == "-0.0" else text


def read(text, maximum):
    """Leading number of a plain numeric text; refused texts read as 0.001."""
    try:
        value = float(text)
    except ValueError:
        value = 0.0
    if (value == 0 and text != "0") or value > maximum:
        return 0.001
    return value


def pressure_altitude(setting):
    v = read(setting, 40)
    return "The Pressure Altitude is " + rounded(mul(29.92 - v, 1000)) + " feet."


def true_airspeed(altitude, indicated):
    v = round(read(altitude, 99000))
    if not -2**31 <= v < 2**31:
        raise Fail
    ias = read(indicated, 999)
    return "The True Airspeed is " + general(fin(ias * 0.02 * (v / 1000) + ias))


def density_altitude(celsius, pressure):
    t = single(read(celsius, 99))
    p = read(pressure, 50)
    x = single(div(p * 1.32625, t * (9 / 5) + 32 + 459.67))
    return "The Density Altitude is " + rounded(div(11346 - x * 148300, 0.37921 - x))


def dewpoint(celsius, humidity):
    t = single(read(celsius, 99))
    h = read(humidity, 100)
    a = single((ln(h / 100) + t * 17.27 / (t + 237.3)) / 17.27)
    return "The Dewpoint is " + one_decimal(div(a * 237.3, 1 - a))


def crosswind(speed, angle):
    w = read(speed, 999)
    theta = read(angle, 90) * D2R
    return (" Crosswind component is " + rounded(math.sin(theta) * w) +
            " Headwind component is " + rounded(math.cos(theta) * w))


def vector_angle(y, x):
    if x > 0:
        d = math.atan(y / x) * R2D
    elif x < 0 and y > 0:
        d = (math.atan(y / x) + PI) * R2D
    elif x < 0 and y < 0:
        d = (math.atan(y / x) - PI) * R2D
    elif x < 0:
        d = 180
    elif y > 0:
        d = 90
    elif y < 0:
        d = -90
    else:
        d = 0
    return single(d * D2R)


def normalize(angle):
    if angle < 0:
        angle += 2 * PI
    if angle > 2 * PI:
        angle -= 2 * PI
    return angle


def wind_finding(course, airspeed, heading, ground):
    crs = read(course, 360) * D2R
    tas = read(airspeed, 999)
    hdg = read(heading, 360) * D2R
    gs = read(ground, 999)
    delta = hdg - crs
    half_sine = math.sin(delta) / 2
    speed = sqrt(fin(mul(tas - gs, tas - gs) + mul(mul(mul(4, tas), gs), half_sine * half_sine)))
    direction = normalize(vector_angle(tas * math.sin(delta), tas * math.cos(delta) - gs) + crs)
    if round(speed) <= 0:
        return REFUSAL
    return "Wind is " + rounded(direction * R2D) + " at " + rounded(speed)


def arcsine(r):
    if r == 1 or r == -1:
        return math.copysign(PI / 2, r)
    return math.atan(div(r, sqrt(-r * r + 1)))


def heading_and_ground_speed(course, airspeed, wind_from, wind_speed):
    crs = read(course, 360) * D2R
    tas = read(airspeed, 999)
    w = read(wind_from, 360) * D2R
    ws = read(wind_speed, 999)
    r = div(ws, tas) * math.sin(w - crs)
    if abs(r) > 1:
        raise Fail
    hdg = normalize(arcsine(r) + crs)
    gs = sqrt(1 - r * r) * tas - math.cos(w - crs) * ws
    if round(gs) <= 0:
        return REFUSAL
    return " Heading is " + rounded(hdg * R2D) + " at " + rounded(gs)


CASES = [
    (pressure_altitude, ["29.42"]), (pressure_altitude, ["30.12"]), (pressure_altitude, ["29.92"]),
    (pressure_altitude, ["41"]), (pressure_altitude, ["-5000000"]), (pressure_altitude, ["-1E306"]),
    (true_airspeed, ["5000", "100"]), (true_airspeed, ["6500", "120"]),
    (true_airspeed, ["1234.5", "150"]), (true_airspeed, ["1235.5", "150"]),
    (true_airspeed, ["-1E12", "100"]), (true_airspeed, ["-2000000000", "-1E307"]),
    (true_airspeed, ["", "100"]),
    (density_altitude, ["0", "25"]), (density_altitude, ["15", "29.92"]),
    (density_altitude, ["30", "28.5"]),
    # Holding x in double would give -1755; holding the temperature in double would give -3621.
    (density_altitude, ["-40", "25.33"]), (density_altitude, ["-38.88", "26.62"]), (density_altitude, ["-1E39", "25"]),
    (density_altitude, ["-273.15", "50"]), (density_altitude, ["-3.4028235677973366E38", "25"]),
    (dewpoint, ["20", "50"]), (dewpoint, ["15", "100"]), (dewpoint, ["-5", "80"]),
    (dewpoint, ["25", "33"]), (dewpoint, ["0", "0"]), (dewpoint, ["10", "-5"]),
    # a rounds to exactly 1 in single precision: division by zero (in double: -10000000064.9).
    (dewpoint, ["-1E10", "100"]), (dewpoint, ["10", ""]),
    (crosswind, ["20", "30"]), (crosswind, ["15", "90"]), (crosswind, ["25", "45"]),
    (crosswind, ["-1E308", "30"]),
    (wind_finding, ["90", "100", "90", "90"]), (wind_finding, ["90", "100", "90", "110"]),
    (wind_finding, ["360", "100", "10", "100"]), (wind_finding, ["90", "100", "90", "100"]),
    (wind_finding, ["45", "120", "40", "105"]), (wind_finding, ["90", "100", "90", "99.5"]),
    (wind_finding, ["90", "100", "90", "98.5"]), (wind_finding, ["90", "100", "90", "-1E200"]),
    (wind_finding, ["0", "100", "0", "90"]), (wind_finding, ["360", "100", "360", "90"]), (wind_finding, ["1", "100", "0", "90"]),
    (heading_and_ground_speed, ["90", "100", "360", "20"]),
    (heading_and_ground_speed, ["90", "100", "90", "20"]),
    (heading_and_ground_speed, ["90", "100", "90", "150"]),
    (heading_and_ground_speed, ["90", "100", "180", "150"]),
    (heading_and_ground_speed, ["90", "0", "360", "20"]),
    (heading_and_ground_speed, ["90", "100", "180", "100"]),
    (heading_and_ground_speed, ["270", "120", "300", "30"]),
    (heading_and_ground_speed, ["10", "100", "90", "30"]),
]


def main():
    for function, inputs in CASES:
        try:
            result = function(*inputs)
        except Fail:
            result = REFUSAL
        print("%-26s %-34s %r" % (function.__name__, inputs, result))
    print()
    print("VectorAngle(0, -10) =", repr(vector_angle(0, -10)))
    print("VectorAngle(5, 0)   =", repr(vector_angle(5, 0)))
    print("VectorAngle(-3, -4) =", repr(vector_angle(-3, -4)))
    print("VectorAngle(1, 1)   =", repr(vector_angle(1, 1)))
    print("VectorAngle(1, -1)  =", repr(vector_angle(1, -1)))
    print("single(pi')         =", repr(single(PI)), " single(pi'/2) =", repr(single(PI / 2)))
    print("ArcSine(0.5)        =", repr(arcsine(0.5)), " ArcSine(-0.5) =", repr(arcsine(-0.5)))
    print("ArcSine(1)          =", repr(arcsine(1)))
    print("Normalize(-0.5)     =", repr(normalize(-0.5)), " Normalize(7) =", repr(normalize(7)))
    print("heading after r = 1 :", repr(normalize(arcsine(1) + 90 * D2R)))
    print("Normalize(2 pi')    =", repr(normalize(2 * PI)), " Normalize(-7) =", repr(normalize(-7)))


if __name__ == "__main__":
    main()
