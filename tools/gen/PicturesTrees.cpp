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
}

}  // namespace gen
