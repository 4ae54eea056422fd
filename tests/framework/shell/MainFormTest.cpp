#include <gtest/gtest.h>

#include <QScopeGuard>

#include "demos/DemoList.h"
#include "framework/drawkit/KitGlobals.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/shell/AlgoForm.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "platform/Controls.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "tests/support/ScriptControls.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

// A demonstration of the test texts: a Main that calls Probe, whose lines just run.
class TShellProbe : public TAlgoDemo {
  Q_OBJECT
 public:
  using TAlgoDemo::TAlgoDemo;
  static inline bool accept = true;
  static inline bool closeInStep = false;  // the window's close box is clicked during Probe's first line
  bool CreateData() override { return accept; }
  void SetWindowRect() override { MainForm->DockOnePane(AlgorithmForm); }
  void ShowGraph() override {}
  void ClearGraph() override {}
  Q_INVOKABLE TData* Main_C_Begin() { return new TData(QString()); }
  Q_INVOKABLE void Main_AfterBegin() {}
  Q_INVOKABLE void Probe_Begin() {
    if (closeInStep) MainForm->close();
  }
};

// Its text has a line of nine directives, which does not parse.
class TShellBroken : public TShellProbe {
  Q_OBJECT
 public:
  using TShellProbe::TShellProbe;
};

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllDemos();
    DemoClasses().Register<TShellProbe>();
    DemoClasses().Register<TShellBroken>();
    TShellProbe::accept = true;
    TShellProbe::closeInStep = false;
    windows_ = std::make_unique<TProgramWindows>();
  }
  void TearDown() override { windows_.reset(); }

  QStringList EnabledButtons() const {
    QStringList out;
    for (int tag = 1; tag <= ToolbarLayout::ButtonCount; ++tag)
      if (MainForm->Buttons(tag)->isEnabled()) out << MainForm->Buttons(tag)->objectName();
    return out;
  }
  // What a leaf click does before the demonstration starts.
  void Start(const QString& name, bool useC = false) {
    MainForm->DisableButtons();
    MainForm->StartDemo(name, useC);
  }

  modal::ScriptedHostScope host_;
  std::unique_ptr<TProgramWindows> windows_;
};

}  // namespace

TEST_F(MainFormTest, ToolbarAtA1024PixelScreen) {
  TSpeedButton* data = MainForm->Buttons(1);
  EXPECT_EQ(data->size(), QSize(76, 68));
  EXPECT_EQ(data->GlyphSide(), 30);
  EXPECT_FALSE(data->Glyph().isNull()) << "tb_data.bmp from the image folder";
  EXPECT_EQ(data->text(), QStringLiteral("数据"));
  EXPECT_EQ(MainForm->CaptionBox()->height(), 38);
  EXPECT_EQ(MainForm->ToolBar()->font().pixelSize(), 23);
  EXPECT_EQ(MainForm->Buttons(13)->objectName(), QStringLiteral("ReturnBtn"));
  EXPECT_EQ(MainForm->Buttons(4)->x() - MainForm->Buttons(3)->x(), 76 + 8);
  EXPECT_EQ(MainForm->TbBevel(2)->x(), MainForm->Buttons(11)->x() - 5);
  // Hints only on data, description, reset, options and return.
  QStringList hinted;
  for (int tag = 1; tag <= 13; ++tag)
    if (!MainForm->Buttons(tag)->toolTip().isEmpty()) hinted << QString::number(tag);
  EXPECT_EQ(hinted, QStringList({"1", "3", "9", "11", "13"}));
  QWidget* panel = MainForm->BreakPointPanel();
  EXPECT_EQ(panel->geometry().right(), MainForm->Buttons(10)->geometry().right());
  EXPECT_EQ(panel->y(), MainForm->ToolBar()->height() + 4);
}

TEST_F(MainFormTest, CaptionLineIsYellowOverSeeThroughGray) {
  MainForm->DrawCaption(QStringLiteral("阿克曼函数"));
  const QImage& img = MainForm->CaptionImage();
  ASSERT_EQ(img.size(), QSize(1022, 38));
  int yellow = 0, blue = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (p == qRgb(255, 255, 0)) ++yellow;
      if (p == qRgb(0, 0, 255)) ++blue;
    }
  EXPECT_GT(yellow, 50) << "the letters";
  EXPECT_GT(blue, 50) << "their outline";
  EXPECT_EQ(qAlpha(img.pixel(1000, 2)), 0) << "beside the text the toolbar shows through";
}

TEST_F(MainFormTest, UnknownNamesAndMissingTextsLeaveOnlyTheReturnButton) {
  Start(QStringLiteral("NoSuchDemo"));
  EXPECT_TRUE(host_->Transcript().last().endsWith(QStringLiteral("| 算法尚未安装")));
  EXPECT_EQ(EnabledButtons(), QStringList({"ReturnBtn"}));
  Start(QStringLiteral("ShellProbe"), true);  // no C text
  EXPECT_TRUE(host_->Transcript().last().endsWith(QStringLiteral("| 算法原代码未找到")));
  EXPECT_EQ(EnabledButtons(), QStringList({"ReturnBtn"}));
  EXPECT_EQ(CurrentDemo, nullptr);
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockNone);
}

TEST_F(MainFormTest, ATextThatDoesNotParseFailsLikeTheOtherFailures) {
  Start(QStringLiteral("ShellBroken"));
  ASSERT_FALSE(host_->Transcript().isEmpty());
  EXPECT_TRUE(host_->Transcript().last().startsWith(QStringLiteral("error "))) << host_->Transcript().last().toStdString();
  EXPECT_EQ(EnabledButtons(), QStringList({"ReturnBtn"}));
  EXPECT_EQ(CurrentDemo, nullptr);
  EXPECT_EQ(BackBitmap, nullptr) << "the theme is released again";
}

TEST_F(MainFormTest, CancellingTheFirstInputFreesTheDemonstration) {
  TShellProbe::accept = false;
  Start(QStringLiteral("ShellProbe"));
  EXPECT_EQ(CurrentDemo, nullptr);
  EXPECT_EQ(CurrentThemes, nullptr);
  EXPECT_EQ(EnabledButtons(), QStringList({"ReturnBtn"}));
}

TEST_F(MainFormTest, AStartedDemonstrationIsReadyAtMainWithItsDescription) {
  Start(QStringLiteral("ShellProbe"));
  ASSERT_NE(CurrentDemo, nullptr);
  EXPECT_EQ(CurrentDemo->CurLine()->Label(), QStringLiteral("Begin"));
  EXPECT_EQ(CurrentDemo->Description(), QStringList({"Probe", "the first line"}));
  EXPECT_NE(BackBitmap, nullptr);
  EXPECT_EQ(BackBitmap->Width(), 1024);
  EXPECT_EQ(EnabledButtons(), QStringList({"AlgDataBtn", "CallStackBtn", "DescBtn", "DemoRunBtn", "StepOverBtn",
                                           "TraceIntoBtn", "RunToCursorBtn", "DemoResetBtn", "BreakPntBtn",
                                           "SetBtn", "ReturnBtn"}));
  MainForm->ReturnBtnClick();
  EXPECT_EQ(CurrentDemo, nullptr);
  EXPECT_EQ(BackBitmap, nullptr);
  EXPECT_FALSE(MainForm->Buttons(3)->isEnabled()) << "no description without a demonstration";
  EXPECT_TRUE(AlgoSelectForm->isVisible());
}

TEST_F(MainFormTest, BreakpointsByKeyOnLinesOnly) {
  Start(QStringLiteral("ShellProbe"));
  ASSERT_TRUE(AlgorithmForm->SelectLine(QStringLiteral("Probe"), 0));
  script::SendKey(*MainForm, QStringLiteral("F5"));
  const auto* probe = static_cast<TProcedure*>(CurrentDemo->Procedures()->FindByName(QStringLiteral("Probe")));
  EXPECT_TRUE(probe->LineByIndex(0)->Breakpoint);
  // A row below the last line (the grid pads the text) holds nothing to mark.
  if (AlgorithmForm->SelectLine(QStringLiteral("Probe"), 5)) script::SendKey(*MainForm, QStringLiteral("F5"));
  EXPECT_EQ(probe->LineByIndex(5), nullptr);
  script::SendKey(*MainForm, QStringLiteral("Ctrl+F5"));
  EXPECT_FALSE(probe->LineByIndex(0)->Breakpoint) << "Ctrl+F5 clears every breakpoint";
}

TEST_F(MainFormTest, TheBreakpointPanelTogglesAndEscHidesIt) {
  Start(QStringLiteral("ShellProbe"));
  MainForm->show();
  QWidget* panel = MainForm->BreakPointPanel();
  MainForm->BreakPntBtnClick();
  EXPECT_TRUE(panel->isVisible());
  MainForm->SetBtnClick();
  EXPECT_TRUE(host_->Transcript().filter(QStringLiteral("dialog 设置选项")).isEmpty())
      << "no options while the breakpoint panel is shown";
  script::SendKey(*MainForm, QStringLiteral("Esc"));
  EXPECT_FALSE(panel->isVisible());
  MainForm->BreakPntBtnClick();
  MainForm->BreakPntBtnClick();
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(MainFormTest, DockingAgainOnlyResizesAndOtherFramesWaitForUndock) {
  MainForm->show();
  QWidget a, b, c;
  a.setWindowTitle(QStringLiteral("图示"));
  MainForm->DockThreePanes(&a, 60, &b, 60, &c);
  TSplitWnds* frame = MainForm->DockFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockThree);
  EXPECT_EQ(frame->geometry(), QRect(0, MainForm->ToolBar()->height(), 1024, 768 - MainForm->ToolBar()->height()));
  EXPECT_EQ(frame->Pane(1)->width(), 1024 * 60 / 100);
  EXPECT_EQ(frame->Pane(2)->height(), frame->height() * 60 / 100);
  EXPECT_EQ(frame->Pane(1)->Caption(), QStringLiteral("图示"));
  EXPECT_EQ(frame->Pane(3)->DockedForm(), &c);

  MainForm->DockThreePanes(&a, 30, &b, 50, &c);
  EXPECT_EQ(MainForm->DockFrame(), frame) << "the same frame is kept";
  EXPECT_EQ(frame->Pane(1)->width(), 1024 * 30 / 100);
  EXPECT_EQ(frame->Pane(2)->height(), frame->height() * 50 / 100);

  MainForm->DockTwoPanes(&a, 50, &b);
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockThree) << "another routine waits for Undock";

  MainForm->Undock();
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockNone);
  EXPECT_EQ(a.parentWidget(), nullptr) << "undocked windows live on";
  MainForm->DockThreePanesB(&a, 40, &b, 25, &c);
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockThreeB);
  EXPECT_EQ(MainForm->DockFrame()->Pane(1)->height(), MainForm->DockFrame()->height() * 40 / 100);
  EXPECT_EQ(MainForm->DockFrame()->Pane(2)->width(), 1024 * 25 / 100);
  MainForm->Undock();
  MainForm->DockOnePane(&c);
  EXPECT_EQ(MainForm->DockMode(), TMainForm::DockOne);
  MainForm->Undock();
}

TEST_F(MainFormTest, MusicSwitchesOnAndOff) {
  EXPECT_FALSE(MainForm->MusicOn()) << "nothing plays until the options switch it on";
  EXPECT_TRUE(MainForm->MidiPlayer().IsOpen()) << "midi0.mid from the music folder";
  MainForm->SetMusic(true);
  EXPECT_TRUE(MainForm->MusicOn());
  MainForm->SetMusic(false);
  EXPECT_FALSE(MainForm->MusicOn());
}

#include "MainFormTest.moc"

TEST_F(MainFormTest, ClosingTheWindowGoesBackToTheSelectionAsReturnDoes) {
  Start(QStringLiteral("ShellProbe"));
  MainForm->ShowMainForm();
  AlgoSelectForm->hide();
  EXPECT_FALSE(MainForm->close()) << "the window is kept for the next demonstration";
  EXPECT_EQ(CurrentDemo, nullptr);
  EXPECT_FALSE(MainForm->isVisible());
  EXPECT_TRUE(AlgoSelectForm->isVisible()) << "no process left without a window";
  EXPECT_TRUE(host_->Transcript().filter(QStringLiteral("你确定要退出")).isEmpty())
      << "only the selection window asks before the program ends";
}

TEST_F(MainFormTest, ClosingTheWindowDuringARunPausesItThenGoesBack) {
  Start(QStringLiteral("ShellProbe"));
  MainForm->ShowMainForm();
  AlgoSelectForm->hide();
  TShellProbe::closeInStep = true;
  MainForm->DemoRunClick();  // closed while Probe's first line runs
  EXPECT_EQ(CurrentDemo, nullptr) << "the run stopped and the demonstration was freed after it";
  EXPECT_TRUE(AlgoSelectForm->isVisible());
  EXPECT_FALSE(MainForm->isVisible());
  TShellProbe::closeInStep = false;
  Start(QStringLiteral("ShellProbe"));
  MainForm->DemoRunClick();
  EXPECT_NE(CurrentDemo, nullptr) << "a later run does not go back by itself";
}

TEST_F(MainFormTest, ANarrowWindowKeepsEveryToolbarButtonOnIt) {
  Start(QStringLiteral("ShellProbe"));
  MainForm->ShowMainForm();
  MainForm->resize(800, 600);
  for (int tag = 1; tag <= ToolbarLayout::ButtonCount; ++tag) {
    const QRect r = MainForm->Buttons(tag)->geometry();
    EXPECT_LE(r.right(), 799) << MainForm->Buttons(tag)->objectName().toStdString() << " is cut off";
    EXPECT_EQ(r.width(), MainForm->Layout().unit);
  }
  EXPECT_LT(MainForm->Layout().toolbarHeight, 113) << "the toolbar is laid out again for the smaller window";
  EXPECT_EQ(MainForm->ToolBar()->width(), 800);
  const int toolbar = MainForm->ToolBar()->height();
  EXPECT_EQ(MainForm->DockFrame()->geometry(), QRect(0, toolbar, 800, 600 - toolbar));
  const QRect panel = MainForm->BreakPointPanel()->geometry();
  EXPECT_EQ(panel.right(), MainForm->Buttons(10)->geometry().right()) << "the breakpoint panel stays under 断点";
  MainForm->resize(1024, 768);
  EXPECT_EQ(MainForm->Layout().unit, 76);
}

TEST_F(MainFormTest, ANarrowedWindowKeepsEveryPanesShare) {
  // As a window manager resizes the maximized window of a 1366 x 768 screen: 阿克曼函数's two
  // panes side by side, 顺序表插入's wide top pane over two.
  screen::SetFixedSize(QSize(1366, 768));
  const auto restore = qScopeGuard([] { screen::SetFixedSize(QSize(1024, 768)); });
  const struct {
    const char* name;
    int dialogs;
  } demos[] = {{"Ackman", 1}, {"InsSqlist", 3}};
  for (const auto& demo : demos) {
    for (int i = 0; i < demo.dialogs; ++i) host_->QueueDialog(QStringLiteral("OK"));
    MainForm->ShowMainForm();
    Start(QString::fromLatin1(demo.name));
    pacing::ProcessMessages();
    TSplitWnds* frame = MainForm->DockFrame();
    ASSERT_NE(frame, nullptr) << demo.name << " did not start";
    const QSize before = frame->size();
    QList<QSize> panes;
    for (int i = 1; i <= frame->PaneCount(); ++i) panes << frame->Pane(i)->size();
    for (const QSize window : {QSize(800, 600), QSize(1024, 700)}) {
      MainForm->resize(window);
      pacing::ProcessMessages();
      const double sx = double(frame->width()) / before.width();
      const double sy = double(frame->height()) / before.height();
      for (int i = 1; i <= frame->PaneCount(); ++i) {
        const QSize now = frame->Pane(i)->size(), was = panes[i - 1];
        const std::string where = std::string(demo.name) + " at " + std::to_string(window.width()) + "x" +
                                  std::to_string(window.height()) + ": pane " + std::to_string(i);
        EXPECT_NEAR(now.width(), was.width() * sx, 3) << where << " is " << now.width() << " wide, was "
                                                       << was.width();
        EXPECT_NEAR(now.height(), was.height() * sy, 3) << where << " is " << now.height() << " high, was "
                                                        << was.height();
      }
    }
    MainForm->ReturnBtnClick();
  }
}
