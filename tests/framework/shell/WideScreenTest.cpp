// A wide screen gives every drawing at least the room a 1024 x 768 one gives it: the same
// demonstrations with the same data at 1366 x 768 and at 1024 x 768, pane by pane and kit
// control by kit control.
#include <gtest/gtest.h>

#include <QDir>

#include "demos/DemoList.h"
#include "framework/drawkit/KitControl.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/Startup.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "tests/support/ScriptedModalHost.h"

namespace {

struct Start {
  const char* name;
  QStringList dialogs;  // answers, in order; "file:" names the next file dialog's file
};

struct Look {
  QList<QSize> panes;
  QStringList controls;  // "class" of each visible kit control, as sizes below
  QList<QSize> sizes;
};

Look StartOn(QSize screenSize, const Start& start) {
  screen::SetFixedSize(screenSize);
  modal::ScriptedHostScope host;
  Look look;
  {
    TProgramWindows windows;
    MainForm->ShowMainForm();
    for (const QString& answer : start.dialogs) {
      if (answer.startsWith(QLatin1String("file:"))) {
        host->QueueFile(QStringLiteral(VELKORA_SOURCE_DIR "/tests/scripts/") + answer.mid(5));
      } else {
        host->QueueDialog(answer);
      }
    }
    MainForm->DisableButtons();
    MainForm->StartDemo(QString::fromLatin1(start.name), false);
    pacing::ProcessMessages();
    if (TSplitWnds* frame = MainForm->DockFrame()) {
      for (int i = 1; i <= frame->PaneCount(); ++i) look.panes << frame->Pane(i)->size();
      for (QWidget* w : frame->findChildren<QWidget*>()) {
        if (dynamic_cast<TKitControl*>(w) == nullptr || !w->isVisible()) continue;
        look.controls << QString::fromLatin1(w->metaObject()->className());
        look.sizes << w->size();
      }
    }
    MainForm->ReturnBtnClick();
  }
  screen::SetFixedSize(QSize(1024, 768));
  return look;
}

}  // namespace

TEST(WideScreen, NoPaneOrDrawingIsSmallerAt1366By768ThanAt1024By768) {
  RegisterAllDemos();
  const Start starts[] = {
      {"Ackman", {"OK"}},
      {"BsTree", {"OK"}},
      {"MBTree", {"@LoadBtn", "file:data/btree_deep.dat", "OK"}},
      {"TraverGfs", {"确认", "@FileLoad", "file:data/graph_bfs.gra", "确定"}},
      {"Maze", {"OK"}},
  };
  for (const Start& start : starts) {
    const Look narrow = StartOn(QSize(1024, 768), start);
    const Look wide = StartOn(QSize(1366, 768), start);
    ASSERT_FALSE(narrow.panes.isEmpty()) << start.name << " did not start";
    ASSERT_EQ(narrow.panes.size(), wide.panes.size()) << start.name;
    for (int i = 0; i < narrow.panes.size(); ++i) {
      EXPECT_GE(wide.panes[i].height(), narrow.panes[i].height()) << start.name << ": pane " << i + 1 << " is shorter";
      EXPECT_GE(wide.panes[i].width(), narrow.panes[i].width()) << start.name << ": pane " << i + 1 << " is narrower";
    }
    ASSERT_EQ(narrow.controls, wide.controls) << start.name << ": another drawing";
    for (int i = 0; i < narrow.sizes.size(); ++i) {
      const QSize n = narrow.sizes[i], w = wide.sizes[i];
      EXPECT_TRUE(w.width() >= n.width() && w.height() >= n.height())
          << start.name << ": " << narrow.controls[i].toStdString() << " #" << i << " is " << w.width() << "x"
          << w.height() << " wide against " << n.width() << "x" << n.height();
    }
  }
}
