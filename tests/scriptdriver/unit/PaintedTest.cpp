#include "tests/scriptdriver/Painted.h"

#include <gtest/gtest.h>

#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Pacing.h"
#include "platform/PaintBox.h"
#include "tests/scriptdriver/Texts.h"

namespace {

// A panel that reports one shape of each kind and paints them, each with a fault that can be
// planted in its painting alone.
class TPlantPanel : public TCanvasWidget, public TKitControl {
 public:
  explicit TPlantPanel(QWidget* parent) : TCanvasWidget(parent) { Color = clWhite; }

  QPoint NodeShift{};
  QString PaintedCaption = QStringLiteral("7");
  QPoint LinkEndShift{};
  bool HeadAtStart = false;
  bool MarkHeadAway = false;
  QPoint MarkCaptionShift{};
  QString PaintedLabel = QStringLiteral("12");
  bool CellsSwapped = false;

  static constexpr QRect kSquare{40, 40, 40, 30};
  static constexpr QRect kCircle{200, 150, 40, 40};
  static constexpr QRect kLabel{150, 80, 24, 16};
  static constexpr QRect kCells[2] = {QRect(40, 220, 30, 20), QRect(70, 220, 30, 20)};
  static constexpr QRect kHead{8, 8, 32, 32};
  static QPolygon LinkPath() { return QPolygon({QPoint(60, 70), QPoint(220, 150)}); }

  std::vector<TDrawnShape> DrawingShapes() const override {
    return {TDrawnShape::NodeAt(kSquare, QStringLiteral("7")),
            TDrawnShape::NodeAt(kCircle, QStringLiteral("9"), true),
            TDrawnShape::LinkBetween({this, 0}, {this, 1}, LinkPath()).Headed(),
            TDrawnShape::LabelOf(2, kLabel, QStringLiteral("12")),
            TDrawnShape::CellAt(kCells[0], QStringLiteral("3")),
            TDrawnShape::CellAt(kCells[1], QStringLiteral("5")),
            TDrawnShape::MarkOn({this, 0}, kHead, kSquare.topLeft(), QStringLiteral("p"))};
  }

 protected:
  void Paint() override {
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    c.FillRect(ClientRect());
    c.Font.Height = -12;
    c.SetBkMode(TRANSPARENT);
    const QPoint a = LinkPath()[0], b = LinkPath()[1] + LinkEndShift;
    if (HeadAtStart) DrawThinArrow(c, b.x(), b.y(), a.x(), a.y(), clBlack);
    else DrawThinArrow(c, a.x(), a.y(), b.x(), b.y(), clBlack);
    c.Brush.Color = clYellow;
    const QRect square = kSquare.translated(NodeShift);
    c.Rectangle(square.left(), square.top(), square.right() + 1, square.bottom() + 1);
    c.TextOut(square.left() + 15, square.top() + 8, PaintedCaption);
    c.Ellipse(kCircle.left(), kCircle.top(), kCircle.right() + 1, kCircle.bottom() + 1);
    c.TextOut(kCircle.left() + 15, kCircle.top() + 12, QStringLiteral("9"));
    c.TextOut(kLabel.left() + 2, kLabel.top() + 1, PaintedLabel);
    const QString values[2] = {CellsSwapped ? QStringLiteral("5") : QStringLiteral("3"),
                               CellsSwapped ? QStringLiteral("3") : QStringLiteral("5")};
    for (int i = 0; i < 2; ++i) {
      c.Rectangle(kCells[i].left(), kCells[i].top(), kCells[i].right() + 1, kCells[i].bottom() + 1);
      c.TextOut(kCells[i].left() + 10, kCells[i].top() + 3, values[i]);
    }
    const QPoint tip = kSquare.topLeft();
    c.Brush.Color = clRed;
    if (MarkHeadAway) c.Polygon({TPoint(8, 8), TPoint(40, 24), TPoint(24, 40)});
    else c.Polygon({TPoint(tip.x(), tip.y()), TPoint(8, 24), TPoint(24, 8)});
    c.TextOut(10 + MarkCaptionShift.x(), 8 + MarkCaptionShift.y(), QStringLiteral("p"));
  }
};

// The panel in a drawing window, painted; the rule's findings on it.
struct Planted {
  TGraphForm form;
  TPlantPanel* panel = new TPlantPanel(&form);
  Planted() {
    form.setObjectName("Form");
    form.setGeometry(0, 0, 400, 300);
    panel->setGeometry(0, 0, 400, 300);
  }
  QStringList Findings() {
    form.show();
    panel->Repaint();
    pacing::ProcessMessages();
    return script::PaintedFindings(script::GatherShapes(script::ScreenWindows()));
  }
};

std::string Joined(const QStringList& findings) { return findings.join('\n').toStdString(); }

}  // namespace

TEST(PaintedRule, AFaithfulPictureHasNoFindingsAndANodeOnePixelOffPasses) {
  Planted p;
  EXPECT_EQ(Joined(p.Findings()), "");
  p.panel->NodeShift = QPoint(1, -1);
  EXPECT_EQ(Joined(p.Findings()), "") << "a node painted a pixel from its report is still on its box";
}

TEST(PaintedRule, ANodeOutlineOffItsBoxOrReadingAnotherTextIsFound) {
  Planted p;
  p.panel->NodeShift = QPoint(12, 0);
  const QStringList off = p.Findings();
  ASSERT_EQ(off.size(), 1) << Joined(off);
  EXPECT_TRUE(off[0].startsWith("wrong painted node Form \"7\" 40 40 40 30 -- no outline painted on its box")) << Joined(off);

  p.panel->NodeShift = {};
  p.panel->PaintedCaption = "8";
  EXPECT_EQ(Joined(p.Findings()), "wrong painted node Form \"7\" 40 40 40 30 -- its box reads \"8\"");
}

TEST(PaintedRule, ALinkPaintedToElsewhereOrWithItsHeadAtTheStartIsFound) {
  Planted p;
  p.panel->LinkEndShift = QPoint(0, 60);
  const QStringList elsewhere = p.Findings();
  ASSERT_EQ(elsewhere.size(), 2) << Joined(elsewhere);
  EXPECT_TRUE(elsewhere[0].contains("-- lines painted along")) << Joined(elsewhere);
  EXPECT_TRUE(elsewhere[1].contains("-- no arrowhead painted at its end 220,150")) << Joined(elsewhere);

  p.panel->LinkEndShift = {};
  p.panel->HeadAtStart = true;
  const QStringList backwards = p.Findings();
  ASSERT_EQ(backwards.size(), 1) << Joined(backwards);
  EXPECT_TRUE(backwards[0].startsWith("wrong painted link Form \"7>9\"")) << Joined(backwards);
  EXPECT_TRUE(backwards[0].endsWith("no arrowhead painted at its end 220,150")) << Joined(backwards);
}

TEST(PaintedRule, AMarkHeadPointingAwayFromItsTipOrItsCaptionElsewhereIsFound) {
  Planted p;
  p.panel->MarkHeadAway = true;
  const QStringList away = p.Findings();
  ASSERT_EQ(away.size(), 1) << Joined(away);
  EXPECT_TRUE(away[0].endsWith("-- no head painted with its tip at 40 40")) << "the node's own corner is no head: "
                                                                            << Joined(away);

  p.panel->MarkHeadAway = false;
  p.panel->MarkCaptionShift = QPoint(300, 200);
  const QStringList caption = p.Findings();
  ASSERT_EQ(caption.size(), 1) << Joined(caption);
  EXPECT_TRUE(caption[0].endsWith("its caption is not painted beside its head (nothing there)")) << Joined(caption);
}

TEST(PaintedRule, ALabelReadingOtherTextAndCellsWithTheirValuesSwappedAreFound) {
  Planted p;
  p.panel->PaintedLabel = "21";
  EXPECT_EQ(Joined(p.Findings()), "wrong painted label Form \"12\" 150 80 24 16 of \"7>9\" -- its box reads \"21\"");

  p.panel->PaintedLabel = "12";
  p.panel->CellsSwapped = true;
  EXPECT_EQ(Joined(p.Findings()),
            "wrong painted cell Form \"3\" 40 220 30 20 -- its box reads \"5\"\n"
            "wrong painted cell Form \"5\" 70 220 30 20 -- its box reads \"3\"");
}

TEST(PaintedRule, ANodeTextReadsInReadingOrderWithItsNameAllowedBesideIt) {
  paintrecord::Record r;
  auto text = [&](const QString& s, QRect box) { r.texts.push_back({s, box, box, 12, 0, std::nullopt, false, {}}); };
  text("M", QRect(105, 105, 8, 10));
  text("n3", QRect(80, 104, 14, 10));
  r.figures.push_back({paintrecord::Figure::Ellipse, QRectF(100, 100, 20, 20), {}, {}, true, true, {}});
  script::Shape node{.kind = TDrawnShape::Node, .text = "n3 M", .glyphs = "n3 M", .box = QRect(100, 100, 20, 20), .round = true};
  EXPECT_TRUE(script::PaintedDifferences(node, r).isEmpty()) << "its name written beside it";
  node.glyphs = "n4 M";
  EXPECT_EQ(script::PaintedDifferences(node, r).join('\n').toStdString(), "its box reads \"M\"");

  // Two keys painted in each other's cells read in the wrong order, whatever order they were painted in.
  paintrecord::Record keys;
  keys.texts.push_back({"34", QRect(12, 4, 12, 10), {}, 12, 0, std::nullopt, false, {}});
  keys.texts.push_back({"12", QRect(32, 4, 12, 10), {}, 12, 0, std::nullopt, false, {}});
  keys.figures.push_back({paintrecord::Figure::Rect, QRectF(10, 0, 40, 18), {}, {}, true, false, {}});
  const script::Shape row{.kind = TDrawnShape::Node, .text = "12 34", .glyphs = "12 34", .box = QRect(10, 0, 40, 18)};
  EXPECT_EQ(script::PaintedDifferences(row, keys).join('\n').toStdString(), "its box reads \"3412\"");
}

TEST(PaintedRule, ANoteIsNotLookedFor) {
  paintrecord::Record r;
  r.figures.push_back({paintrecord::Figure::Rect, QRectF(10, 10, 20, 60), {}, {}, true, false, {}});
  r.texts.push_back({"K", QRect(15, 34, 8, 12), {}, 12, 0, std::nullopt, false, {}});
  // The bar's colour is no glyph.
  const script::Shape bar{.kind = TDrawnShape::Node, .text = "K purple", .glyphs = "K", .box = QRect(10, 10, 20, 60)};
  EXPECT_TRUE(script::PaintedDifferences(bar, r).isEmpty());
  const script::Shape picture{.kind = TDrawnShape::Node, .text = "Q3 #5", .box = QRect(10, 10, 20, 60)};
  EXPECT_TRUE(script::PaintedDifferences(picture, r).isEmpty()) << "a picture's description is not read";
}

TEST(PaintedRule, APictureShownOverTheWholeNodeIsItsOutline) {
  paintrecord::Record r;
  r.figures.push_back({paintrecord::Figure::Picture, QRectF(0, 0, 200, 60), QRectF(0, 0, 200, 60), {}, true, false, {}});
  // A plate's front: the lower part of its picture.
  script::Shape front{.kind = TDrawnShape::Node, .box = QRect(0, 40, 200, 20)};
  EXPECT_TRUE(script::PaintedDifferences(front, r).isEmpty());
  front.box = QRect(0, 40, 200, 40);
  EXPECT_EQ(script::PaintedDifferences(front, r).join('\n').toStdString(), "no outline painted on its box");
}
