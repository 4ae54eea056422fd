#pragma once
// Stand-ins for the windows that record what the engine asked of them.
#include <QStringList>
#include <map>
#include <ostream>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Errors.h"
#include "framework/engine/Globals.h"

// Readable texts in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}

// The message of the exception f throws, "<no error>" when it throws none.
template <class E = Exception, class F>
QString ErrorText(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return QStringLiteral("<no error>");
}

class RecordingAlgorithmView final : public IAlgorithmView {
 public:
  QWidget* Widget() override { return nullptr; }
  void ClearProcTabs() override {
    tabs.clear();
    selectedTab = -1;
  }
  void AddProcTab(const QString& caption) override { tabs << caption; }
  int SelectedTab() const override { return selectedTab; }
  void SelectTab(int index) override { selectedTab = index; }
  int SelectedRow() const override { return selectedRow; }
  void SetSelectedRow(int row) override { selectedRow = row; }
  int RowCount() const override { return rowCount; }
  int TopRow() const override { return topRow; }
  void SetTopRow(int row) override { topRow = row; }
  int VisibleRows() const override { return visibleRows; }
  void PushFrame() override { frames += 1; }
  void PopFrame() override { frames -= 1; }
  void ClearFrames() override { frames = 0; }
  void SetFrameBevelWidth(int w) override { bevel = w; }
  void SetFrameBorderWidth(int w) override { border = w; }
  void Refresh() override { refreshes += 1; }

  QStringList tabs;
  int selectedTab = -1;
  int selectedRow = 0;
  int rowCount = 20;
  int topRow = 0;
  int visibleRows = 20;
  int frames = 0;
  int bevel = 0;
  int border = 0;
  int refreshes = 0;
};

class RecordingVariableView final : public IVariableView {
 public:
  QWidget* Widget() override { return nullptr; }
  void ReloadVariables() override {
    reloads += 1;
    reloadedWithoutLocals = CurrentDemo != nullptr && CurrentDemo->Locals() == nullptr;
  }
  void UpdateValues() override { updates += 1; }
  int reloads = 0;
  bool reloadedWithoutLocals = false;
  int updates = 0;
};

class RecordingToolbar final : public IRunToolbar {
 public:
  void EnableButton(ToolButton b, bool on) override { enabled[b] = on; }
  bool IsEnabled(ToolButton b) const {
    auto it = enabled.find(b);
    return it != enabled.end() && it->second;
  }
  std::map<ToolButton, bool> enabled;
};

// Creates the recording views when a demonstration asks for its windows.
class RecordingDemoHost final : public IDemoHost {
 public:
  void CreateChildWindows() override {
    created += 1;
    views::SetAlgorithm(&algorithm);
    views::SetVariables(&variables);
  }
  void DestroyChildWindows() override {
    destroyed += 1;
    views::SetAlgorithm(nullptr);
    views::SetVariables(nullptr);
  }
  bool TakeEscape() override {
    if (escapeAfterPolls < 0) return false;
    return polls++ >= escapeAfterPolls;
  }

  RecordingAlgorithmView algorithm;
  RecordingVariableView variables;
  int created = 0;
  int destroyed = 0;
  int escapeAfterPolls = -1;  // Esc is "pressed" once this many polls have passed
  int polls = 0;
};
