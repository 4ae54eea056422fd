#include <gtest/gtest.h>

#include <QApplication>
#include <QSplitter>
#include <QTest>

#include "framework/shell/SplitWnds.h"
#include "platform/Controls.h"

namespace {

// A frame shown at a fixed size, with a plain form docked in every pane.
template <class Frame>
struct Shown {
  QWidget host;
  Frame* frame;
  QList<QWidget*> forms;
  Shown() {
    host.resize(800, 600);
    frame = new Frame(&host);
    frame->setGeometry(0, 0, 800, 600);
    for (int i = 1; i <= frame->PaneCount(); ++i) {
      auto* form = new QWidget;
      forms << form;
      frame->Pane(i)->SetPaneCaption(QStringLiteral("窗口%1").arg(i));
      frame->Pane(i)->Dock(form);
    }
    host.show();
    QApplication::processEvents();
  }
  ~Shown() {
    frame->ReleaseForms();
    qDeleteAll(forms);
  }
};

}  // namespace

TEST(SplitWnds, TitleBarsFollowTheScreenHeight) {
  const auto m768 = TitleBarMetrics::ForScreenHeight(768);
  EXPECT_EQ(m768.height, 28);
  EXPECT_EQ(m768.fontHeight, 23);
  EXPECT_EQ(m768.buttonSide, 24);
  const auto m600 = TitleBarMetrics::ForScreenHeight(600);
  EXPECT_EQ(m600.height, 22);
  EXPECT_EQ(m600.fontHeight, 18);
  EXPECT_EQ(m600.buttonSide, 18);
}

TEST(SplitWnds, DockedFormFillsThePaneBelowItsTitle) {
  Shown<TSplitWnds1> s;
  TSplitPane* pane = s.frame->Pane(1);
  EXPECT_EQ(pane->FoldButton(), nullptr) << "the one-pane frame has nothing to enlarge";
  EXPECT_EQ(s.forms[0]->parentWidget(), pane);
  EXPECT_EQ(s.forms[0]->geometry(), QRect(1, 29, 798, 600 - 29 - 1));
  EXPECT_EQ(pane->TitleBar()->geometry(), QRect(1, 1, 798, 28));
}

TEST(SplitWnds, PaneSizesAndFoldButtonPlace) {
  Shown<TSplitWnds2> s;
  s.frame->SetPaneSizes(480, 360);
  QApplication::processEvents();
  EXPECT_EQ(s.frame->Panel1->width(), 480);
  EXPECT_EQ(s.frame->Panel2->height(), 360);
  EXPECT_EQ(s.frame->Panel3->height(), 600 - 360 - 4) << "a 4-pixel splitter between panes";
  TSpeedButton* b = s.frame->Panel2->FoldButton();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->size(), QSize(24, 24));
  EXPECT_EQ(b->x(), s.frame->Panel2->width() - 2 - 24);
  EXPECT_EQ(b->text(), QStringLiteral("▲"));
}

TEST(SplitWnds, EnlargingAPaneAndRestoringGivesBackEverySize) {
  Shown<TSplitWnds2> s;
  s.frame->SetPaneSizes(480, 360);
  QApplication::processEvents();
  for (int pane = 1; pane <= 3; ++pane) {
    s.frame->Pane(pane)->FoldButton()->click();
    QApplication::processEvents();
    EXPECT_TRUE(s.frame->Folded());
    EXPECT_EQ(s.frame->Pane(pane)->size(), QSize(800, 600)) << "pane " << pane << " fills the frame";
    EXPECT_EQ(s.frame->Pane(pane)->FoldButton()->text(), QStringLiteral("▼"));
    for (int other = 1; other <= 3; ++other)
      if (other != pane) {
        EXPECT_FALSE(s.frame->Pane(other)->isVisible());
      }
    s.frame->Pane(pane)->FoldButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(s.frame->Folded());
    EXPECT_EQ(s.frame->Panel1->width(), 480) << "after restoring pane " << pane;
    EXPECT_EQ(s.frame->Panel2->height(), 360) << "after restoring pane " << pane;
    EXPECT_TRUE(s.frame->Panel3->isVisible());
    EXPECT_EQ(s.frame->Pane(pane)->FoldButton()->text(), QStringLiteral("▲"));
  }
}

TEST(SplitWnds, DoubleClickOnATitleActsLikeItsFoldButton) {
  Shown<TSplitWnds3> s;
  s.frame->SetPaneSizes(250, 300);
  QApplication::processEvents();
  QTest::mouseDClick(s.frame->Panel1->TitleBar(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_TRUE(s.frame->Folded());
  EXPECT_EQ(s.frame->SavedSize(), 250) << "the top pane's height is kept";
  EXPECT_EQ(s.frame->Panel1->height(), 600);
  QTest::mouseDClick(s.frame->Panel1->TitleBar(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(s.frame->Panel1->height(), 250);
  EXPECT_EQ(s.frame->Panel2->width(), 300);
}

TEST(SplitWnds, TwoPanesEnlargeTheSecondAndRestore) {
  Shown<TSplitWnds4> s;
  s.frame->SetPaneSizes(480, 0);
  QApplication::processEvents();
  s.frame->Panel2->FoldButton()->click();
  QApplication::processEvents();
  EXPECT_FALSE(s.frame->Panel1->isVisible());
  EXPECT_EQ(s.frame->Panel2->width(), 800);
  s.frame->Panel2->FoldButton()->click();
  QApplication::processEvents();
  EXPECT_EQ(s.frame->Panel1->width(), 480);
  EXPECT_EQ(s.frame->Panel2->width(), 800 - 480 - 4);
}

namespace {
// Drags a splitter's handle along the splitter by delta pixels, as the mouse does.
void DragHandle(QSplitter& splitter, int delta) {
  QSplitterHandle* handle = splitter.handle(1);
  const QPoint from(handle->width() / 2, handle->height() / 2);
  const QPoint to = from + (splitter.orientation() == Qt::Horizontal ? QPoint(delta, 0) : QPoint(0, delta));
  const auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(handle, &e);
  };
  send(QEvent::MouseButtonPress, from, Qt::LeftButton);
  send(QEvent::MouseMove, to, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}
}  // namespace

TEST(SplitWnds, ResizedFramesKeepEveryPanesShareTheUsersDragsIncluded) {
  Shown<TSplitWnds2> s;
  s.frame->SetPaneSizes(480, 360);
  QApplication::processEvents();
  DragHandle(*s.frame->Splitter1, -80);
  ASSERT_EQ(s.frame->Panel1->width(), 400) << "the drag moved the splitter";
  // Half the frame: the left pane keeps half of 800 - 4, the top right 60 % of 600 - 4.
  s.frame->resize(400, 300);
  QApplication::processEvents();
  EXPECT_NEAR(s.frame->Panel1->width(), 200, 1) << "the dragged share, not the one set before";
  EXPECT_NEAR(s.frame->Panel3->parentWidget()->width(), 196, 1);
  EXPECT_NEAR(s.frame->Panel2->height(), 180, 1);
  EXPECT_NEAR(s.frame->Panel3->height(), 116, 1) << "the last pane is not squeezed";
  // Grown again while one pane fills the frame: restored, the panes have their shares.
  s.frame->Panel3->FoldButton()->click();
  s.frame->resize(800, 600);
  QApplication::processEvents();
  s.frame->Panel3->FoldButton()->click();
  QApplication::processEvents();
  EXPECT_NEAR(s.frame->Panel1->width(), 400, 2);
  EXPECT_NEAR(s.frame->Panel2->height(), 358, 2);
}

TEST(SplitWnds, ReleasedFormsOutliveTheFrame) {
  auto* frame = new TSplitWnds4(nullptr);
  QWidget form;
  frame->Panel1->Dock(&form);
  EXPECT_EQ(form.parentWidget(), frame->Panel1);
  frame->ReleaseForms();
  delete frame;
  EXPECT_EQ(form.parentWidget(), nullptr);
}
