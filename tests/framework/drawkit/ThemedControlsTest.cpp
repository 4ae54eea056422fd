#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/ThemedControls.h"
#include "platform/Pacing.h"
#include "tests/support/RenderWidget.h"

namespace {

struct Window {
  kittest::Host host{600, 400};
  TGraphForm* form = new TGraphForm(&host);
  Window() { form->SetDesignClientSize(400, 300); }
  void Show() {
    host.show();
    pacing::ProcessMessages();
  }
};

TColor At(const TCanvasWidget& w, int x, int y) { return FromQRgb(w.Image().pixel(x, y)); }

TColor BackdropUnder(const QWidget& w, int x, int y) {
  const QPoint p = w.mapToGlobal(QPoint(x, y));
  return kittest::BackdropAt(p.x(), p.y());
}

// Rows of a colour in a widget's image.
QRect BoxOf(const TCanvasWidget& w, TColor color) {
  QRect box;
  for (int y = 0; y < w.height(); ++y)
    for (int x = 0; x < w.width(); ++x)
      if (At(w, x, y) == color) box |= QRect(x, y, 1, 1);
  return box;
}

TFont Red(int height) {
  TFont f;
  f.Name = QStringLiteral("Arial");
  f.Height = height;
  f.Color = clRed;
  return f;
}

}  // namespace

TEST(ZqStaticText, FramesFollowTheBevel) {
  kittest::BackdropScope backdrop;
  Window w;
  auto* raised = w.form->Place(new TZqStaticText(w.form), 10, 10, 120, 30);
  auto* lowered = w.form->Place(new TZqStaticText(w.form), 10, 50, 120, 30);
  lowered->SetBevel(bvLowered);
  auto* none = w.form->Place(new TZqStaticText(w.form), 10, 90, 120, 30);
  none->SetBevel(bvNone);
  w.Show();
  EXPECT_EQ(At(*raised, 0, 0), clWhite);
  EXPECT_EQ(At(*raised, 119, 29), clGray);
  EXPECT_EQ(At(*raised, 3, 3), BackdropUnder(*raised, 3, 3)) << "transparent: the backdrop inside";
  EXPECT_EQ(At(*lowered, 0, 0), clGray);
  EXPECT_EQ(At(*lowered, 119, 29), clWhite);
  EXPECT_EQ(At(*none, 0, 0), BackdropUnder(*none, 0, 0)) << "no bevel: no frame, backdrop to the edge";
  EXPECT_EQ(At(*none, 119, 29), BackdropUnder(*none, 119, 29));
}

TEST(ZqStaticText, OpaqueFillsWithItsColour) {
  kittest::BackdropScope backdrop;
  Window w;
  auto* t = w.form->Place(new TZqStaticText(w.form), 10, 10, 120, 30);
  t->Color = clAqua;
  t->SetTransparent(false);
  w.Show();
  EXPECT_EQ(At(*t, 3, 3), clAqua);
}

TEST(ZqStaticText, TextIsPlacedByItsAlignment) {
  Window w;
  auto* left = w.form->Place(new TZqStaticText(w.form), 10, 10, 200, 30);
  left->SetFont(Red(-16));
  left->SetAlignment(taLeftJustify);
  left->SetCaption(QStringLiteral("MMM"));
  auto* right = w.form->Place(new TZqStaticText(w.form), 10, 50, 200, 30);
  right->SetFont(Red(-16));
  right->SetAlignment(taRightJustify);
  right->SetCaption(QStringLiteral("MMM"));
  auto* centre = w.form->Place(new TZqStaticText(w.form), 10, 90, 200, 30);
  centre->SetFont(Red(-16));
  centre->SetCaption(QStringLiteral("MMM"));
  w.Show();
  const QRect l = BoxOf(*left, clRed);
  EXPECT_GE(l.left(), 9);
  EXPECT_LE(l.left(), 11);
  const QRect r = BoxOf(*right, clRed);
  EXPECT_GE(r.right(), 200 - 9 - 3);
  EXPECT_LE(r.right(), 200 - 9);
  const QRect c = BoxOf(*centre, clRed);
  EXPECT_LE(std::abs((c.left() + c.right()) / 2 - 100), 2);
  EXPECT_LE(std::abs((c.top() + c.bottom()) / 2 - 15), 3) << "vertically centred";
}

TEST(ZqStaticText, FontFollowsTheHeightOnlyWithADesignHeight) {
  Window w;
  auto* scaled = w.form->Place(new TZqStaticText(w.form), 0, 0, 200, 30);
  scaled->SetFont(Red(-14));
  scaled->SetCaption(QStringLiteral("H"));
  auto* fixed = new TZqStaticText(w.form);
  fixed->setGeometry(0, 100, 200, 30);
  fixed->SetFont(Red(-14));
  fixed->SetCaption(QStringLiteral("H"));
  w.Show();
  const int before = BoxOf(*scaled, clRed).height();
  w.form->resize(400, 600);  // twice the design height
  EXPECT_EQ(scaled->height(), 60);
  const int after = BoxOf(*scaled, clRed).height();
  EXPECT_GE(after, 2 * before - 2) << "the text doubles with the control's height";
  fixed->resize(200, 60);
  fixed->Repaint();
  EXPECT_EQ(BoxOf(*fixed, clRed).height(), before) << "without a design height the font stays";
}

TEST(ZqStaticText, ACaptionGrownTallerThanItsPanelIsWideStillFits) {
  Window w;
  auto* counter = w.form->Place(new TZqStaticText(w.form), 0, 0, 120, 30);
  counter->SetFont(Red(-14));
  counter->SetCaption(QStringLiteral("比较次数: 120"));
  w.Show();
  w.form->resize(400, 1200);  // four times the design height, the design width
  ASSERT_EQ(counter->width(), 120);
  const QRect text = BoxOf(*counter, clRed);
  ASSERT_FALSE(text.isEmpty());
  EXPECT_GT(text.left(), 1) << "the caption was cut off at the left";
  EXPECT_LT(text.right(), 118) << "the caption was cut off at the right";
  EXPECT_GT(text.height(), 14) << "still grown as far as the width allows";
}

TEST(AutoSizeEdit, FontIsThreeQuartersOfTheHeight) {
  Window w;
  auto* e = w.form->Place(new TAutoSizeEdit(w.form), 10, 10, 200, 40);
  w.Show();
  w.form->resize(400, 300);
  EXPECT_EQ(e->Font().Height, 30);
  w.form->resize(400, 150);
  EXPECT_EQ(e->Font().Height, 15) << "(20 * 3) div 4";
  e->SetText(QStringLiteral("ABDCE"));
  EXPECT_EQ(e->Edit().text(), QStringLiteral("ABDCE"));
  e->SetReadOnly(true);
  EXPECT_TRUE(e->Edit().isReadOnly());
  EXPECT_EQ(e->Edit().geometry(), e->rect()) << "the edit fills the panel";
}

TEST(ZqTabSet, TabsStandOnTheBackdrop) {
  kittest::BackdropScope backdrop;
  kittest::Host host(600, 400);
  auto* tabs = new TZqTabSet(&host);
  tabs->addTab(QStringLiteral("Main"));
  tabs->addTab(QStringLiteral("Ackman"));
  tabs->setGeometry(20, 300, 500, 30);
  host.show();
  pacing::ProcessMessages();
  const QImage image = RenderWidget(*tabs);
  const QPoint far(495, 15);  // right of the last tab
  const QPoint screen = tabs->mapToGlobal(far);
  EXPECT_EQ(FromQRgb(image.pixel(far)), kittest::BackdropAt(screen.x(), screen.y()));
}
