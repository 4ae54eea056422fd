#include "tests/scriptdriver/RunView.h"

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/Globals.h"
#include "framework/engine/Proc.h"
#include "framework/shell/AlgoForm.h"
#include "framework/shell/MainForm.h"
#include "framework/shell/ShellWindows.h"
#include "platform/Controls.h"
#include "tests/scriptdriver/Drawing.h"

namespace script {

RunView GatherRunView() {
  RunView view;
  if (MainForm == nullptr || !MainForm->isVisible()) return view;
  view.shown = true;
  view.running = CurrentDemo != nullptr && CurrentDemo->Running();
  view.atLine = CurrentDemo != nullptr && CurrentDemo->CurLine() != nullptr;
  for (const ToolButton b : {ToolButton::DemoStop, ToolButton::DemoRun, ToolButton::StepOver, ToolButton::TraceInto,
                             ToolButton::RunToCursor}) {
    const TSpeedButton* button = MainForm->Buttons(static_cast<int>(b));
    view.buttons.push_back({button->objectName(), button->text(), button->isEnabled(), b == ToolButton::DemoStop});
  }
  if (const TAlgorithmForm* algo = AlgorithmForm; algo != nullptr && algo->isVisible()) {
    if (const TProcedure* shown = algo->ShownProcedure()) view.procedure = shown->Name();
    for (const TAlgorithmForm::PaintedRow& r : algo->PaintedCurrentRows()) view.current.push_back({r.row, r.text});
  }
  return view;
}

QStringList RunViewFindings(const RunView& view) {
  QStringList out;
  if (!view.shown) return out;
  for (const RunView::Button& b : view.buttons) {
    if (!b.enabled) continue;
    const QString what = QStringLiteral("wrong button %1 %2 -- ").arg(b.name, QuotedDrawingText(b.caption));
    // A run sets them all when it stops: what a step does to them meanwhile lasts no longer.
    if (view.running) continue;
    if (b.pause) out << what + QStringLiteral("on while no run goes on");
    else if (!view.atLine) out << what + QStringLiteral("on while the demonstration stands at no line");
  }
  if (view.current.size() > 1) {
    QStringList rows;
    for (const RunView::Row& r : view.current)
      rows << QStringLiteral("%1 %2 %3").arg(view.procedure).arg(r.row).arg(QuotedDrawingText(r.text));
    out << QStringLiteral("wrong double %1 -- %2 lines shown as the current line")
               .arg(rows.join(QStringLiteral(" / ")))
               .arg(view.current.size());
  }
  return out;
}

}  // namespace script
