// Renders the shell's windows to PNG files in the build folder ("shots/"), at the two
// screen sizes the program is looked at in, so a person can look at them.
#include <gtest/gtest.h>

#include <QDir>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QScopeGuard>

#include "demos/DemoList.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "tests/framework/shell/DemoFixture.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"

namespace {

QString ShotPath(const QString& name) {
  QDir().mkpath(QStringLiteral("shots"));
  return QStringLiteral("shots/") + name;
}

void Save(QWidget& w, const QString& name) {
  QImage img(w.size(), QImage::Format_RGB32);
  img.fill(Qt::black);
  w.render(&img);
  EXPECT_TRUE(img.save(ShotPath(name))) << name.toStdString();
}

// The file name ending that tells the screen size apart.
QString ShotSuffix(QSize screenSize) {
  return QStringLiteral("-%1x%2.png").arg(screenSize.width()).arg(screenSize.height());
}

class Shots : public ::testing::TestWithParam<QSize> {
 protected:
  void SetUp() override { screen::SetFixedSize(GetParam()); }
  void TearDown() override { screen::SetFixedSize({1024, 768}); }
  QString Suffix() const { return ShotSuffix(GetParam()); }
};

}  // namespace

TEST_P(Shots, SelectionWindow) {
  TAlgoSelectForm form;
  Save(form, "select-root" + Suffix());
  ASSERT_TRUE(form.ClickCaption("二叉树"));
  ASSERT_TRUE(form.ClickCaption("线索树"));
  ASSERT_TRUE(form.ClickCaption("线索化"));
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(form.ChildItem(2)->Caption, &move);  // the mouse over an item
  Save(form, "select-deep" + Suffix());
  ASSERT_TRUE(form.ClickCaption("数据结构"));
  ASSERT_TRUE(form.ClickCaption("内部排序"));
  ASSERT_TRUE(form.ClickCaption("复杂排序"));
  Save(form, "select-sort" + Suffix());
}

// The algorithm and variable windows at the sizes of the usual three-pane arrangement:
// the right 40 % of the screen below the toolbar, 60 % of it for the text.
class PaneShots : public DemoWindows, public ::testing::WithParamInterface<QSize> {
 protected:
  void SetUp() override {
    screen::SetFixedSize(GetParam());
    const QSize s = GetParam();
    const int below = s.height() - s.height() / 10;
    host.AlgorithmSize = QSize(s.width() * 40 / 100, below * 60 / 100 - 20);
    varSize = QSize(s.width() * 40 / 100, below * 40 / 100 - 20);
    // The default theme's backdrop, as the demonstration window builds it.
    if (const auto picture = LoadPicture(QStringLiteral("Clouds.bmp"))) BackBitmap = MakeBackdrop(*picture, s);
    DemoWindows::SetUp();
  }
  void TearDown() override {
    BackBitmap.reset();
    DemoWindows::TearDown();
    screen::SetFixedSize({1024, 768});
  }
  QString Suffix() const { return ShotSuffix(GetParam()); }
  QSize varSize;
};

TEST_P(PaneShots, AlgorithmAndVariableWindows) {
  TRecDemo& d = Start(TRecDemo::Text(3), 6);
  Vars().resize(varSize);
  for (int i = 0; i < 9; ++i) d.TraceInto();  // four calls deep, on a call line
  ASSERT_TRUE(Algo().SelectLine("Rec", 4));
  ASSERT_TRUE(Algo().ToggleBreakpoint());
  ASSERT_TRUE(Algo().SelectLine("Rec", 3));
  Vars().VarGridSelectCell(2);  // open "p"
  Save(Algo(), "algo-deep" + Suffix());
  Save(Vars(), "vars-open" + Suffix());
  // Just after a return: the changed values are marked.
  for (int i = 0; i < 20 && d.Calls->Value() < 2; ++i) d.TraceInto();
  Save(Algo(), "algo-return" + Suffix());
  Save(Vars(), "vars-marked" + Suffix());
}

INSTANTIATE_TEST_SUITE_P(Screens, PaneShots,
                         ::testing::Values(QSize(1024, 768), QSize(1920, 1080)));

INSTANTIATE_TEST_SUITE_P(Screens, Shots, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)));

// The deepest recursion of the catalogue's demonstrations, with the thin frames it uses.
TEST_P(PaneShots, DeepRecursion) {
  TRecDemo& d = Start(TRecDemo::Text(3), 40);
  Algo().SetFrameBevelWidth(1);
  Algo().SetFrameBorderWidth(1);
  for (int i = 0; i < 200 && Algo().FrameDepth() < 31; ++i) d.TraceInto();
  ASSERT_EQ(Algo().FrameDepth(), 31);
  Save(Algo(), "algo-31deep" + Suffix());
}

// The light frame colours (lime at depth 8, aqua at 12) on the backdrop.
TEST_P(PaneShots, LightFrameColours) {
  TRecDemo& d = Start(TRecDemo::Text(3), 20);
  Algo().SetFrameBevelWidth(1);
  Algo().SetFrameBorderWidth(1);
  for (int depth : {8, 12}) {
    for (int i = 0; i < 100 && Algo().FrameDepth() < depth; ++i) d.TraceInto();
    ASSERT_EQ(Algo().FrameDepth(), depth);
    ASSERT_TRUE(Algo().SelectLine("Rec", 0));
    Save(Algo(), QStringLiteral("algo-depth%1").arg(depth) + Suffix());
  }
}

// The demonstration window of each screen size as a window manager narrows it to 800 x 600,
// mid-run and at the end: 阿克曼函数 in two panes side by side, 顺序表插入 (its longest list)
// with a wide pane over two.
TEST(WindowShots, NarrowedDemonstrationWindow) {
  RegisterAllDemos();
  const struct {
    const char* name;  // also the procedure with the breakpoint
    QStringList dialogs;
    int breakRow, runs;
  } demos[] = {
      {"Ackman", {"OK"}, 5, 4},
      {"InsSqlist", {"QueryEdit=abcdefghijklmno OK", "QueryEdit=p OK", "QueryEdit=1 OK"}, 9, 8},
  };
  const auto restore = qScopeGuard([] { screen::SetFixedSize({1024, 768}); });
  for (const QSize screenSize : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
    screen::SetFixedSize(screenSize);
    modal::ScriptedHostScope host;
    TProgramWindows windows;
    for (const auto& demo : demos) {
      const QString name = QString::fromLatin1(demo.name);
      for (const QString& answer : demo.dialogs) host->QueueDialog(answer);
      MainForm->ShowMainForm();
      MainForm->DisableButtons();
      MainForm->StartDemo(name, false);
      ASSERT_TRUE(AlgorithmForm->SelectLine(name, demo.breakRow)) << demo.name;
      MainForm->SetBreakPointBtnClick();
      for (int i = 0; i < demo.runs; ++i) MainForm->DemoRunClick();
      MainForm->resize(800, 600);
      pacing::ProcessMessages();
      Save(*MainForm, name + QStringLiteral("-narrowed-mid") + ShotSuffix(screenSize));
      MainForm->ClearBreakPointsBtnClick();
      MainForm->DemoRunClick();
      pacing::ProcessMessages();
      Save(*MainForm, name + QStringLiteral("-narrowed-end") + ShotSuffix(screenSize));
      MainForm->ReturnBtnClick();
    }
  }
}
