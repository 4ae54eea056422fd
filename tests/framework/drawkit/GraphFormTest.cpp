#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/NodeContainer.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "platform/Pacing.h"

namespace {

class CountingDemo : public TAlgoDemo {
 public:
  CountingDemo() : TAlgoDemo(QStringList()) {}
  int shown = 0;
  bool CreateData() override { return true; }
  void SetWindowRect() override {}
  void ShowGraph() override { ++shown; }
  void ClearGraph() override {}
};

// A drawing window of design size 400 x 300 docked at (100, 50) of a host window; the
// host is shown (with everything built into it so far) by Show.
struct Docked {
  kittest::Host host;
  TGraphForm* form = new TGraphForm(&host);
  Docked() {
    form->SetDesignClientSize(400, 300);
    form->move(100, 50);
  }
  void Show() {
    host.show();
    pacing::ProcessMessages();
  }
};

}  // namespace

TEST(GraphForm, ResizeRescalesEveryContainerAndBackRestoresTheDesign) {
  Docked d;
  auto* a = d.form->Place(new TNodeContainer(d.form), 10, 20, 101, 51);
  auto* panel = new QWidget(d.form);
  panel->setGeometry(200, 0, 200, 300);
  // Nested in another control, a container still scales with the window's client area.
  auto* nested = d.form->Place(new TNodeContainer(panel), 30, 40, 60, 70);
  d.Show();
  d.form->resize(200, 150);
  EXPECT_EQ(a->geometry(), QRect(5, 10, 50, 26)) << "101 / 2 = 50.5 -> 50, 51 / 2 = 25.5 -> 26";
  EXPECT_EQ(nested->geometry(), QRect(15, 20, 30, 35));
  d.form->resize(123, 457);
  d.form->resize(400, 300);
  EXPECT_EQ(a->geometry(), QRect(10, 20, 101, 51));
  EXPECT_EQ(nested->geometry(), QRect(30, 40, 60, 70));
}

TEST(GraphForm, ANestedDrawingWindowKeepsItsOwnContainers) {
  Docked d;
  auto* inner = new TGraphForm(d.form);
  inner->SetDesignClientSize(100, 100);
  auto* c = inner->Place(new TNodeContainer(inner), 0, 0, 50, 50);
  d.Show();
  d.form->resize(200, 150);
  EXPECT_EQ(c->geometry(), QRect(0, 0, 50, 50)) << "the outer window's resize is not the inner's";
  inner->resize(200, 200);
  EXPECT_EQ(c->geometry(), QRect(0, 0, 100, 100));
}

TEST(GraphForm, ContainerWithoutDesignSizeKeepsItsGeometry) {
  Docked d;
  auto* c = new TNodeContainer(d.form);
  c->setGeometry(7, 8, 9, 10);
  d.Show();
  d.form->resize(200, 150);
  EXPECT_EQ(c->geometry(), QRect(7, 8, 9, 10));
}

TEST(GraphForm, RecordedDesignGeometryIsTheLayoutAsPlaced) {
  Docked d;
  auto* c = new TNodeContainer(d.form);
  c->setGeometry(40, 30, 80, 60);
  d.Show();
  c->RecordDesignGeometry();
  EXPECT_EQ(c->Design.ParentWidth, 400);
  EXPECT_EQ(c->Design.ParentHeight, 300);
  d.form->resize(800, 600);
  EXPECT_EQ(c->geometry(), QRect(80, 60, 160, 120));
}

TEST(GraphForm, PointersFollowTheirTargetsAfterTheContainersMoved) {
  Docked d;
  auto* box = d.form->Place(new TNodeContainer(d.form), 0, 0, 400, 300);
  auto* node = new QWidget(box);
  node->setGeometry(100, 100, 30, 30);
  box->OnResize = [box, node] { node->move(box->width() / 4, box->height() / 3); };
  auto* p = new TPointer2(box);
  d.Show();
  p->OffY = 12;
  p->SetTarget(node);
  EXPECT_TRUE(p->isVisible());
  EXPECT_EQ(p->geometry(), QRect(100 - 32, 100 - 32 + 12, 32, 32));
  d.form->resize(200, 150);
  EXPECT_EQ(node->pos(), QPoint(50, 50));
  EXPECT_EQ(p->pos(), QPoint(50 - 32, 50 - 32 + 12)) << "bottom-right tip on the target's corner";
  p->SetTarget(nullptr);
  EXPECT_FALSE(p->isVisible());
  p->SetTarget(node);
  delete node;
  p->Reposition();
  EXPECT_FALSE(p->isVisible()) << "a pointer whose target is gone hides";
}

namespace {
// A container that places its pointers itself with its contents, beside its node's right edge
// and hidden while the node is 40 pixels wide or wider.
class Placing : public TNodeContainer {
 public:
  using TNodeContainer::TNodeContainer;
  TPointer2* mark = nullptr;
  QWidget* node = nullptr;
  void AfterRescale() override {
    node->setGeometry(width() / 4, height() / 3, width() / 10, 30);
    mark->move(node->geometry().right() + 1, node->y());
    mark->setVisible(node->width() < 40);
  }
  bool PlacesPointer(const TPointer2& p) const override { return &p == mark; }
};
}  // namespace

TEST(GraphForm, APointerItsContainerPlacesStaysWhereTheContainerPutIt) {
  Docked d;
  auto* box = new Placing(d.form);
  d.form->Place(box, 0, 0, 400, 300);
  box->node = new QWidget(box);
  box->mark = new TPointer2(box);
  auto* other = new TPointer2(box);
  box->mark->SetTarget(box->node);
  other->SetTarget(box->node);
  d.Show();
  d.form->resize(360, 270);
  EXPECT_EQ(box->mark->pos(), QPoint(box->node->geometry().right() + 1, box->node->y()));
  EXPECT_TRUE(box->mark->isVisibleTo(box));
  EXPECT_EQ(other->geometry().bottomRight() + QPoint(1, 1), box->node->pos()) << "the window places the others";
  d.form->resize(400, 300);
  EXPECT_FALSE(box->mark->isVisibleTo(box)) << "one the container hid stays hidden";
}

// A 32-pixel pointer is too small to read: placed, it is at least 40 and grows with its
// window, its offsets with it, but never past what it points at or the room above and left
// of the tip, and never below its design.
TEST(GraphForm, PointersGrowWithTheirWindowWithinTheirRoom) {
  Docked d;
  auto* box = d.form->Place(new TNodeContainer(d.form), 0, 0, 400, 300);
  auto* big = new QWidget(box);
  big->setGeometry(200, 200, 100, 80);
  auto* p = new TPointer2(box);
  p->OffX = 8;
  d.Show();
  p->SetTarget(big);
  EXPECT_EQ(p->size(), QSize(40, 40)) << "the least readable size at the design size";
  d.form->resize(800, 750);  // twice the design along the smaller axis
  big->setGeometry(400, 400, 100, 80);
  p->Reposition();
  EXPECT_EQ(p->geometry(), QRect(400 - 64 + 16, 400 - 64, 64, 64)) << "grown 2 x, its offset too";
  big->resize(50, 40);
  p->Reposition();
  EXPECT_EQ(p->size(), QSize(50, 50)) << "no larger than what it points at";
  big->move(20, 400);
  p->Reposition();
  EXPECT_EQ(p->size(), QSize(32, 32)) << "no room left of the tip: the design size, never less";
  p->resize(36, 36);  // its drawing sizes it anew: that is its design now
  big->move(400, 400);
  p->GrowsWithWindow = false;
  p->Reposition();
  EXPECT_EQ(p->size(), QSize(36, 36)) << "a drawing that sizes its pointers keeps its size";
  EXPECT_EQ(p->DesignSize(), QSize(36, 36));
}

TEST(GraphForm, ResizeAsksTheCurrentDemonstrationToDrawOnlyWhenThereIsOne) {
  Docked d;
  d.Show();
  CountingDemo demo;
  d.form->resize(300, 200);
  EXPECT_EQ(demo.shown, 0);
  CurrentDemo = &demo;
  d.form->resize(310, 210);
  EXPECT_EQ(demo.shown, 1);
  CurrentDemo = nullptr;
}

TEST(GraphForm, KitControlsShowTheBackdropUnderThemselves) {
  kittest::BackdropScope backdrop;
  Docked d;
  auto* c = d.form->Place(new TNodeContainer(d.form), 20, 30, 100, 80);
  auto* other = new TGraphForm(&d.host);
  other->move(520, 50);
  auto* c2 = other->Place(new TNodeContainer(other), 0, 0, 100, 80);
  d.Show();
  c->Repaint();
  c2->Repaint();
  d.form->Repaint();
  for (const QPoint p : {QPoint(1, 1), QPoint(50, 40), QPoint(98, 78)}) {
    EXPECT_EQ(FromQRgb(c->Image().pixel(p)), kittest::BackdropAt(120 + p.x(), 80 + p.y()))
        << "container pixel " << p.x() << "," << p.y();
    EXPECT_EQ(FromQRgb(c2->Image().pixel(p)), kittest::BackdropAt(520 + p.x(), 50 + p.y()));
  }
  EXPECT_EQ(FromQRgb(d.form->Image().pixel(5, 5)), kittest::BackdropAt(105, 55)) << "the window too";
  EXPECT_EQ(FromQRgb(c->Image().pixel(0, 0)), clGray) << "sunken frame";
  EXPECT_EQ(FromQRgb(c->Image().pixel(99, 79)), clWhite);
}
