// The keypad of the matrix input: a glyph per digit and the backspace glyph.
#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

constexpr int kW = 24;
constexpr int kH = 20;

// A digit in a soft blue disc.
QImage DigitGlyph(int digit) {
  return Sprite(kW, kH, kKeyColour, [digit](QPainter& p) {
    Glossy(p, Ellipse(QRectF(2, 0.5, kH - 1, kH - 1)), QColor(70, 110, 190));
    CentredText(p, QRectF(2, 0.5, kH - 1, kH - 1), QString::number(digit),
                PixelFont(QStringLiteral("DejaVu Sans"), 14), QColor(255, 255, 255));
  });
}

// A left arrow with a bar: "rub out the last character".
QImage BackspaceGlyph() {
  return Sprite(kW, kH, kKeyColour, [](QPainter& p) {
    Glossy(p, ArrowPath(QPointF(21, 10), QPointF(3, 10), 5, 12, 7), QColor(190, 70, 60));
    Flat(p, RoundRect(QRectF(20, 4, 3, 12), 1), QColor(190, 70, 60));
  });
}

}  // namespace

void AddMatrixPictures(PictureTable& t) {
  for (int d = 0; d <= 9; ++d)
    Add(t, QStringLiteral("keypad%1").arg(d), {kW, kH}, Transparency::BottomLeftKey,
        QStringLiteral("matrix keypad: glyph of the digit %1").arg(d), [d] { return DigitGlyph(d); });
  Add(t, QStringLiteral("keypadbs"), {kW, kH}, Transparency::BottomLeftKey,
      QStringLiteral("matrix keypad: backspace glyph"), [] { return BackspaceGlyph(); });
}

}  // namespace gen
