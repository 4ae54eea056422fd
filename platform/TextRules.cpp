#include "platform/TextRules.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace text {
namespace {

// Bytes of one code point in GBK: ASCII is one byte, everything else two. (Characters
// GBK cannot hold are written as "?" by the encoder but still counted as two, so a cut
// never lets a text grow past its limit once converted.)
int CodePointBytes(char32_t c) { return c < 0x80 ? 1 : 2; }

}  // namespace

int GbkLength(const QString& s) {
  int n = 0;
  for (char32_t c : s.toUcs4()) n += CodePointBytes(c);
  return n;
}

QString CutToBytes(const QString& s, int maxBytes) {
  if (maxBytes <= 0) return {};
  int bytes = 0;
  qsizetype i = 0;
  while (i < s.size()) {
    const bool pair = s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(s[i], s[i + 1]) : s[i].unicode();
    const int b = CodePointBytes(c);
    if (bytes + b > maxBytes) break;
    bytes += b;
    i += pair ? 2 : 1;
  }
  return i == s.size() ? s : s.left(i);
}

QByteArray ToGbk(const QString& s) {
  QStringEncoder enc("GB18030");
  if (!enc.isValid()) return s.toLatin1();
  return enc.encode(s);
}

QString FromGbk(const QByteArray& bytes) {
  QStringDecoder dec("GB18030");
  if (!dec.isValid()) return QString::fromLatin1(bytes);
  return dec.decode(bytes);
}

int Round(double x) { return static_cast<int>(std::nearbyint(x)); }

int Div(int a, int b) { return a / b; }

int Mod(int a, int b) { return a % b; }

QString FloatToStr(double x) {
  if (std::isnan(x)) return QStringLiteral("NAN");
  if (std::isinf(x)) return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (x == 0) return QStringLiteral("0");
  // 15 significant digits, then strip: the runtime's general format.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", x);
  // buf: [-]d.dddddddddddddde[+-]XX
  QString mant = QString::fromLatin1(buf);
  const qsizetype ePos = mant.indexOf('e');
  const int exp = mant.mid(ePos + 1).toInt();
  QString digits = mant.left(ePos);
  const bool neg = digits.startsWith('-');
  if (neg) digits.remove(0, 1);
  digits.remove('.');
  while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);
  QString out;
  if (exp >= 15 || exp < -4) {
    out = digits.left(1);
    if (digits.size() > 1) out += '.' + digits.mid(1);
    out += 'E' + QString::number(exp);
  } else if (exp < 0) {
    out = QStringLiteral("0.") + QString(-exp - 1, '0') + digits;
  } else if (digits.size() <= exp + 1) {
    out = digits + QString(exp + 1 - digits.size(), '0');
  } else {
    out = digits.left(exp + 1) + '.' + digits.mid(exp + 1);
  }
  return neg ? '-' + out : out;
}

std::optional<int> ParseInt(const QString& s) {
  bool ok = false;
  const int v = s.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return v;
}

std::optional<double> ParseReal(const QString& s) {
  bool ok = false;
  const double v = s.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace text
