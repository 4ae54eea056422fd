#include "framework/engine/DemoViews.h"

#include <algorithm>

void IAlgorithmView::ShowRow(int row) {
  const int visible = VisibleRows();
  const int top = TopRow();
  // The line scrolls to the middle before it reaches an edge, so the lines around it show
  // too: two on each side where the window has the rows.
  const int margin = std::clamp((visible - 1) / 2, 0, 2);
  if (row >= top + margin && row < top + visible - margin) return;
  const int newTop = std::min(row - visible / 2, RowCount() - visible);
  SetTopRow(std::max(newTop, 0));
}

namespace views {
namespace {

class NullAlgorithm final : public IAlgorithmView {
 public:
  QWidget* Widget() override { return nullptr; }
  void ClearProcTabs() override {}
  void AddProcTab(const QString&) override {}
  int SelectedTab() const override { return -1; }
  void SelectTab(int) override {}
  int SelectedRow() const override { return 0; }
  void SetSelectedRow(int) override {}
  int RowCount() const override { return 0; }
  int TopRow() const override { return 0; }
  void SetTopRow(int) override {}
  int VisibleRows() const override { return 0; }
  void PushFrame() override {}
  void PopFrame() override {}
  void ClearFrames() override {}
  void SetFrameBevelWidth(int) override {}
  void SetFrameBorderWidth(int) override {}
  void Refresh() override {}
};

class NullVariables final : public IVariableView {
 public:
  QWidget* Widget() override { return nullptr; }
  void ReloadVariables() override {}
  void UpdateValues() override {}
};

class NullToolbar final : public IRunToolbar {
 public:
  void EnableButton(ToolButton, bool) override {}
};

NullAlgorithm g_nullAlgorithm;
NullVariables g_nullVariables;
NullToolbar g_nullToolbar;

IAlgorithmView* g_algorithm = &g_nullAlgorithm;
IVariableView* g_variables = &g_nullVariables;
IRunToolbar* g_toolbar = &g_nullToolbar;
IDemoHost* g_host = nullptr;

}  // namespace

IAlgorithmView& Algorithm() { return *g_algorithm; }
IVariableView& Variables() { return *g_variables; }
IRunToolbar& Toolbar() { return *g_toolbar; }
IDemoHost* Host() { return g_host; }

void SetAlgorithm(IAlgorithmView* view) { g_algorithm = view ? view : &g_nullAlgorithm; }
void SetVariables(IVariableView* view) { g_variables = view ? view : &g_nullVariables; }
void SetToolbar(IRunToolbar* toolbar) { g_toolbar = toolbar ? toolbar : &g_nullToolbar; }
void SetHost(IDemoHost* host) { g_host = host; }

}  // namespace views
