#pragma once
// What the demonstration window shows of the run besides the drawing: which toolbar buttons
// are on, and which lines the algorithm window paints as the current one. Looked at with the
// drawing ("check drawing", "check every"), at every look: both change while the drawing
// may not.
#include <QString>
#include <QStringList>
#include <vector>

namespace script {

struct RunView {
  struct Button {
    QString name;     // its object name, DemoStopBtn
    QString caption;  // 暂停
    bool enabled = false;
    bool pause = false;  // the pause button; else one of the four that run lines
  };
  struct Row {
    int row = 0;
    QString text;
  };
  bool shown = false;    // the demonstration window is shown
  bool running = false;  // a run goes on
  bool atLine = false;   // the demonstration stands at a line a run can execute
  std::vector<Button> buttons;  // 暂停, 执行, 单步, 跟踪, 执行到
  QString procedure;            // the procedure the algorithm window shows
  std::vector<Row> current;     // its rows in view painted as the current line
};

// The demonstration window as it is now (nothing shown without one).
RunView GatherRunView();

// The rules, one line per finding, "wrong RULE ...":
//   button   while no run goes on, a toolbar button is on where pressing it can do nothing:
//            暂停, a button that runs lines while the demonstration stands at none (a run
//            sets them all when it stops: what its steps do to them meanwhile is not judged);
//   double   the algorithm window paints more than one line as the current one.
QStringList RunViewFindings(const RunView& view);

}  // namespace script
