#pragma once
// Text and number rules of the runtime the demonstrations were written for: lengths
// counted in GBK bytes (a CJK character counts two), rounding halves to even, integer
// division toward zero, the general 15-digit float form, integer parsing without throwing.
#include <QByteArray>
#include <QString>
#include <optional>

namespace text {

// Bytes the text takes in GBK (code page 936).
int GbkLength(const QString& s);
// The longest prefix of s that fits in maxBytes GBK bytes; never splits a character.
QString CutToBytes(const QString& s, int maxBytes);

QByteArray ToGbk(const QString& s);
QString FromGbk(const QByteArray& bytes);

// Nearest integer, halves to the even neighbour: Round(2.5) = 2, Round(3.5) = 4.
int Round(double x);
// a div b: truncates toward zero. b must not be 0.
int Div(int a, int b);
// a mod b with the sign of a.
int Mod(int a, int b);

// The runtime's general float form: shortest text with at most 15 significant digits,
// scientific ("1E20", "1.5E-5") when the decimal exponent is 15 or more or below -4.
QString FloatToStr(double x);

// Decimal integer in 32 bits, optional sign, surrounding blanks allowed; nothing on bad input.
std::optional<int> ParseInt(const QString& s);
// Decimal real number; nothing on bad input.
std::optional<double> ParseReal(const QString& s);

}  // namespace text
