#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Every text form of a number that the program reads or writes lives here.
// None of them depends on the C library's locale.

// Fixed point with `stellen` decimals and "." as decimal point, right-aligned
// with leading blanks in `breite` characters (wider when the number needs it).
// Rounds half away from zero on the exact decimal digits of the value, unlike
// printf, which rounds exact halves to even. A result of zero has no sign.
QString FestKomma(double wert, int stellen, int breite);

// `stellen` significant digits in the shortest of fixed point and exponent,
// trailing zeros dropped, with "." whatever the locale ("0.0500000007",
// "1e+30"). The command-line tool's numbers.
QString GleitZahl(double wert, int stellen);

// A real in a project file: 5 decimals in 10 characters ("   2.50000").
QString RealZeile(float wert);

// Reads a real line of a project file: leading blanks, optional sign, digits,
// optional "." with fraction digits, optional exponent. Anything else (an
// empty line included) is no number, and so is a value beyond the float range
// ("1e39"); a value too small for a float reads as 0.
std::optional<float> LiesReal(const QString& text);

// Reads an integer line: leading blanks, optional sign, decimal digits, within
// the 32-bit range. Anything else is no number.
std::optional<std::int32_t> LiesGanzzahl(const QString& text);

// A grade in the search's log: 2 decimals in 8 characters ("  123.46"), wider
// when the number needs it.
QString ProtokollZahl(double wert);

// Text of a real edit field: below 1000 in magnitude 4 decimals in 8
// characters ("  2.5000"); from 1000 on two significant digits with a
// four-digit exponent in 10 characters (" 1.5E+0003"). Half away from zero.
QString SingEditText(float wert);

// Reads a real edit field: "," counts as ".", leading blanks, optional sign,
// digits, optional "." and digits (either run may be empty), optional
// exponent; nothing may follow. Any other text, and a value beyond the float
// range, reads as 0.
float SingEditZahl(const QString& text);

// Text of an integer edit field: plain decimal digits ("-3").
QString IntEditText(std::int32_t wert);

// Reads an integer edit field; text that is no 32-bit integer reads as 0.
std::int32_t IntEditZahl(const QString& text);

// Reads a real edit field or grid cell as SingEditZahl does, but tells when
// the text is no number: empty text, a mantissa without digits ("", ".", "-"),
// anything after the number, or a value beyond the float range.
std::optional<float> LiesSingEditZahl(const QString& text);
