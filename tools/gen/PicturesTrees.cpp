// Pictures of the binary-tree kit: the node, normal and highlighted. The kit writes the
// node's number in black at the upper left and its letter in yellow in the middle, so the
// balls are of a middle tone with a light rim.
#include "tools/gen/Catalog.h"
#include "tools/gen/Paint.h"

namespace gen {

namespace {

QImage TreeNode(const QColor& colour) {
  return Sprite(64, 64, kKeyColour, [colour](QPainter& p) {
    const QRectF ball(3, 3, 58, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(ball.adjusted(-1.5, -1.5, 1.5, 1.5));
    QRadialGradient g(QPointF(24, 20), 44);
    g.setColorAt(0, Shade(colour, 1.35));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, Shade(colour, 0.7));
    p.setBrush(g);
    p.setPen(QPen(Shade(colour, 0.5), 2));
    p.drawEllipse(ball);
  });
}

// The picture of the preorder-and-inorder dialog: a small tree of three lettered balls over
// the two sequences it is built from.
QImage SequencesTree() {
  return Scene(120, 150, [](QPainter& p) {
    QLinearGradient sky(0, 0, 0, 150);
    sky.setColorAt(0, QColor(205, 225, 245));
    sky.setColorAt(1, QColor(245, 250, 255));
    p.fillRect(QRectF(0, 0, 120, 150), sky);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(QPointF(60, 28), QPointF(30, 70));
    p.drawLine(QPointF(60, 28), QPointF(90, 70));
    const QFont font = PixelFont(QStringLiteral("Arial"), 16);
    const struct {
      double x, y;
      const char* letter;
    } balls[] = {{60, 28, "A"}, {30, 70, "B"}, {90, 70, "C"}};
    for (const auto& b : balls) {
      const QRectF r(b.x - 15, b.y - 15, 30, 30);
      Glossy(p, Ellipse(r), QColor(45, 115, 185));
      CentredText(p, r, QString::fromLatin1(b.letter), font, QColor(255, 255, 0));
    }
    const QFont cells = PixelFont(QStringLiteral("Arial"), 13);
    for (int row = 0; row < 2; ++row)
      for (int k = 0; k < 3; ++k) {
        const QRectF cell(15 + k * 32, 100 + row * 24, 26, 20);
        p.fillRect(cell, row == 0 ? QColor(90, 190, 90) : QColor(235, 215, 70));
        p.setPen(QColor(60, 60, 60));
        p.drawRect(cell);
        CentredText(p, cell, QString::fromLatin1(row == 0 ? "ABC" : "BAC").mid(k, 1), cells, QColor(20, 20, 20));
      }
  });
}

// A button glyph of two 16 x 16 images side by side: as drawn, and greyed for a disabled
// button. Insert is a green plus, delete a red minus.
QImage TwoImageGlyph(const QColor& colour, bool plus) {
  return Sprite(32, 16, kKeyColour, [colour, plus](QPainter& p) {
    for (int half = 0; half < 2; ++half) {
      const QColor c = half == 0 ? colour : QColor(150, 150, 150);
      const double x0 = half * 16;
      QPainterPath sign = RoundRect(QRectF(x0 + 2, 6.5, 12, 3), 1);
      if (plus) sign.addPath(RoundRect(QRectF(x0 + 6.5, 2, 3, 12), 1));
      Flat(p, sign.simplified(), c, 0.8);
    }
  });
}

// The search button's glyph: a magnifier, as drawn and greyed.
QImage MagnifierGlyph(const QColor& colour) {
  return Sprite(32, 16, kKeyColour, [colour](QPainter& p) {
    for (int half = 0; half < 2; ++half) {
      const QColor c = half == 0 ? colour : QColor(150, 150, 150);
      const double x0 = half * 16;
      QPainterPath ring = Ellipse(QRectF(x0 + 1.5, 1.5, 9.5, 9.5));
      ring.addPath(Ellipse(QRectF(x0 + 3.8, 3.8, 4.9, 4.9)));
      ring.setFillRule(Qt::OddEvenFill);
      Flat(p, ring, c, 0.8);
      QPainterPath handle;
      handle.moveTo(x0 + 9.2, 10.8);
      handle.lineTo(x0 + 10.8, 9.2);
      handle.lineTo(x0 + 15, 13.4);
      handle.lineTo(x0 + 13.4, 15);
      handle.closeSubpath();
      Flat(p, handle, c.darker(130), 0.8);
    }
  });
}

}  // namespace

void AddTreesPictures(PictureTable& t) {
  t.push_back({QStringLiteral("treenode1"),
               {64, 64},
               Transparency::BottomLeftKey,
               QStringLiteral("binary-tree node, stretched to the node's size"),
               [] { return TreeNode(QColor(45, 115, 185)); }});
  t.push_back({QStringLiteral("treenode2"),
               {64, 64},
               Transparency::BottomLeftKey,
               QStringLiteral("binary-tree node, highlighted"),
               [] { return TreeNode(QColor(205, 70, 60)); }});
  t.push_back({QStringLiteral("trecrtpic"),
               {120, 150},
               Transparency::Opaque,
               QStringLiteral("the preorder-and-inorder dialog: a small tree over its two sequences"),
               SequencesTree});
  t.push_back({QStringLiteral("thrdinsert"),
               {32, 16},
               Transparency::BottomLeftKey,
               QStringLiteral("glyph of the threaded tree's insert button: as drawn, then disabled"),
               [] { return TwoImageGlyph(QColor(40, 150, 60), true); }});
  t.push_back({QStringLiteral("thrddelete"),
               {32, 16},
               Transparency::BottomLeftKey,
               QStringLiteral("glyph of the threaded tree's delete button: as drawn, then disabled"),
               [] { return TwoImageGlyph(QColor(200, 50, 40), false); }});
  t.push_back({QStringLiteral("bstsearch"),
               {32, 16},
               Transparency::BottomLeftKey,
               QStringLiteral("glyph of the search trees' search button (a magnifier): as drawn, then disabled"),
               [] { return MagnifierGlyph(QColor(40, 90, 170)); }});
  t.push_back({QStringLiteral("bstinsert"),
               {32, 16},
               Transparency::BottomLeftKey,
               QStringLiteral("glyph of the search trees' insert button: as drawn, then disabled"),
               [] { return TwoImageGlyph(QColor(40, 150, 60), true); }});
  t.push_back({QStringLiteral("bstdelete"),
               {32, 16},
               Transparency::BottomLeftKey,
               QStringLiteral("glyph of the search trees' delete button: as drawn, then disabled"),
               [] { return TwoImageGlyph(QColor(200, 50, 40), false); }});
}

}  // namespace gen
