// Pictures of the kit to look at, not a check: run with
//   drawkit_tests --gtest_also_run_disabled_tests --gtest_filter='*KitPictures*'
// from the build folder (the theme pictures are read from its image folder); the PNGs go to
// $VELKORA_KIT_PICTURES or /tmp/velkora-kit.
#include <gtest/gtest.h>

#include <QDir>
#include <numbers>

#include "KitTestSupport.h"
#include "framework/drawkit/CoolMsg.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/Rect.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/Globals.h"
#include "platform/Application.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "tests/support/RenderWidget.h"

namespace {

constexpr double kPi = std::numbers::pi;

QString OutDir() {
  const QString dir = qEnvironmentVariableIsSet("VELKORA_KIT_PICTURES")
                          ? qEnvironmentVariable("VELKORA_KIT_PICTURES")
                          : QStringLiteral("/tmp/velkora-kit");
  QDir().mkpath(dir);
  return dir + '/';
}

class RowData : public TData {
 public:
  explicit RowData(QString text) : text_(std::move(text)) {}
  QString GetText() const override { return text_; }

 private:
  QString text_;
};

QString AckRow(int addr, int m, int n, int temp, int result) {
  auto field = [](int v) { return v < 0 ? QStringLiteral("   ?") : QString::number(v).rightJustified(4); };
  return QString::number(addr) + field(m) + field(n) + field(temp) + field(result);
}

// A node of a drawing: a raised box in a colour with its caption pieces.
class Box : public TRectbase {
 public:
  using TRectbase::TRectbase;

 protected:
  void Paint() override {
    TCanvas& c = Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = Color;
    c.FillRect(ClientRect());
    Frame3D(c, 0, 0, width(), height(), clWhite, clGray);
    TRectbase::Paint();
  }
};

// A container with arrows between its nodes.
class ListPanel : public TNodeContainer {
 public:
  using TNodeContainer::TNodeContainer;
  std::vector<QWidget*> Nodes;

 protected:
  void Paint() override {
    TNodeContainer::Paint();
    for (std::size_t i = 0; i + 1 < Nodes.size(); ++i) {
      const QRect a = Nodes[i]->geometry();
      const QRect b = Nodes[i + 1]->geometry();
      DrawArrow3D(Canvas(), a.right() + 2, a.center().y(), b.left() - 2, b.center().y(), clBlue,
                  clWhite, clNavy);
    }
  }
};

void Scene(QSize screenSize, const QString& name, const QString& backdropName) {
  screen::SetFixedSize(screenSize);
  const auto picture = LoadPicture(QStringLiteral("image\\") + backdropName + QStringLiteral(".bmp"));
  ASSERT_TRUE(picture) << "run from the build folder: its image folder holds the pictures";
  BackBitmap = MakeBackdrop(*picture, screenSize);

  kittest::Host host(screenSize.width(), screenSize.height());
  const int paneW = screenSize.width() * 60 / 100;
  const int paneH = screenSize.height() - 90;
  auto* stackForm = new TAckmanGraphForm(&host);
  stackForm->setGeometry(0, 90, paneW, paneH / 2);
  auto* drawForm = new TGraphForm(&host);
  drawForm->SetDesignClientSize(419, 280);
  drawForm->setGeometry(0, 90 + paneH / 2, paneW, paneH - paneH / 2);
  auto* list = drawForm->Place(new ListPanel(drawForm), 10, 40, 399, 120);
  auto* title = drawForm->Place(new TZqStaticText(drawForm), 10, 6, 200, 28);
  TFont f;
  f.Name = QStringLiteral("楷体_GB2312");
  f.Height = -20;
  f.Color = clBlue;
  title->SetFont(f);
  title->SetCaption(QStringLiteral("链表 head → a → b"));
  auto* lowered = drawForm->Place(new TZqStaticText(drawForm), 220, 6, 189, 28);
  lowered->SetBevel(bvLowered);
  f.Name = QStringLiteral("Arial");
  f.Height = -16;
  f.Color = clRed;
  lowered->SetFont(f);
  lowered->SetCaption(QStringLiteral("ResText1"));
  std::vector<Box*> nodes;
  const TColor colours[3] = {clAqua, clYellow, clLime};
  for (int i = 0; i < 3; ++i) {
    auto* b = new Box(list);
    b->Color = colours[i];
    b->Font.Name = QStringLiteral("Arial");
    b->Font.Height = -16;
    b->Font.Style = fsBold;
    b->Font.Color = clRed;
    b->setGeometry(list->width() * (2 * i + 1) / 7 - 25, 40, 50, 40);
    b->SetCaptionText(QStringLiteral("25,26,%1").arg(QChar('a' + i)));
    nodes.push_back(b);
    list->Nodes.push_back(b);
  }
  auto* p = new TPointer2(list);
  p->SetCaption(QStringLiteral("p"));
  p->SetColor(clRed);
  p->SetFontColor(clRed);
  auto* q = new TPointer2(list);
  q->SetCaption(QStringLiteral("q"));
  q->SetColor(clFuchsia);
  q->SetFontColor(clBlue);
  host.show();
  pacing::ProcessMessages();
  p->SetTarget(nodes[0]);
  q->SetTarget(nodes[2]);

  AnimSpeed = 99;
  const int rows[][5] = {{0, 2, 1, -1, -1}, {7, 2, 0, -1, -1}, {4, 1, 1, -1, -1}, {7, 1, 0, -1, -1},
                         {4, 0, 1, -1, 2}};
  for (int i = 0; i < 24; ++i) {
    const auto& r = rows[i % 5];
    stackForm->Stack->Push(std::make_unique<RowData>(AckRow(r[0], r[1], r[2], r[3], r[4])));
  }
  stackForm->Stack->Push(std::make_unique<RowData>(QStringLiteral("a row much too long for its cell: squeezed")));
  pacing::ProcessMessages();
  RenderWidget(host).save(OutDir() + name + QStringLiteral("-screen.png"));

  TCoolMsgDlg msg;
  msg.SetPosition(poScreenCenter);
  msg.SetCaption(QStringLiteral("阿克曼函数"));
  msg.SetMessage(QStringLiteral("结果为3。"));
  msg.show();
  pacing::ProcessMessages();
  RenderWidget(msg).save(OutDir() + name + QStringLiteral("-message.png"));
  msg.done(mrOk);
  BackBitmap.reset();
  screen::SetFixedSize({1024, 768});
}

}  // namespace

TEST(DISABLED_KitPictures, Routines) {
  auto b = kittest::Filled(520, 260, clSilver);
  TCanvas& c = b->Canvas();
  Frame3D(c, 10, 10, 110, 60, clWhite, clGray);
  Frame3D(c, 130, 10, 230, 60, clGray, clWhite);
  Frame3DRings(c, Rect(260, 20, 340, 50), 3, clWhite, clBlack);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    const int cx = 60, cy = 150;
    DrawLine3D(c, cx, cy, cx + int(40 * std::cos(a)), cy - int(40 * std::sin(a)), clBlue, clWhite, true);
    DrawArrow3D(c, 190, 150, 190 + int(50 * std::cos(a)), 150 - int(50 * std::sin(a)), clRed, clWhite, clMaroon);
    DrawThinArrow(c, 310, 150, 310 + int(50 * std::cos(a)), 150 - int(50 * std::sin(a)), clNavy);
  }
  DrawArc3D(c, 380, 100, -kPi, kPi, 460, 180, clGray, clWhite);
  DrawArc3D(c, 395, 115, 0, kPi, 445, 165, clBlack, clYellow);
  const TPoint zig[5] = {{20, 230}, {60, 200}, {100, 230}, {140, 200}, {180, 230}};
  DrawPolyline3D(c, zig, clGreen, clWhite);
  DrawShadowedArrow(c, 220, 230, 330, 205, 3, clBlue, clGray);
  c.SetBkMode(TRANSPARENT);
  c.Font.Name = QStringLiteral("楷体_GB2312");
  c.Font.Height = -24;
  TextOutShadow(c, 360, 210, QStringLiteral("阴影文字 Ab"), clYellow);
  b->Image().scaled(b->Width() * 2, b->Height() * 2).save(OutDir() + "routines.png");
}

TEST(DISABLED_KitPictures, Screen1024) { Scene({1024, 768}, QStringLiteral("1024"), QStringLiteral("Clouds")); }
TEST(DISABLED_KitPictures, Screen1920) { Scene({1920, 1080}, QStringLiteral("1920"), QStringLiteral("ZqBACK_Link")); }
