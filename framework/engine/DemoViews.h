#pragma once
// How the engine reaches the windows that show a demonstration. The engine has no widgets:
// the shell implements these interfaces with its algorithm window, variable window and
// toolbar and installs them here. Until something is installed (and in engine tests) every
// call goes to a view that does nothing and answers zero.
//
// Who owns what: the views are never owned by the engine. The shell's IDemoHost creates the
// algorithm and variable windows when a demonstration is created (TAlgoDemo::CreateChildWindow),
// installs them with views::SetAlgorithm / views::SetVariables, and uninstalls and frees
// them in DestroyChildWindows.
#include <QString>

class QWidget;

// What the engine asks of the algorithm window (one tab per procedure, one grid row per line).
class IAlgorithmView {
 public:
  virtual ~IAlgorithmView() = default;

  // The window itself, for docking; nullptr for a view without a window.
  virtual QWidget* Widget() = 0;

  // Procedure tabs, in the order of the procedures of the text (tab i shows procedure i).
  virtual void ClearProcTabs() = 0;
  virtual void AddProcTab(const QString& caption) = 0;
  // Index of the selected tab; -1 when there is none.
  virtual int SelectedTab() const = 0;
  virtual void SelectTab(int index) = 0;

  // Grid rows: the selected row (the "cursor" of run to cursor, the row of a breakpoint
  // toggle), the number of rows, the top row and the number of whole rows that fit (MaxLines).
  virtual int SelectedRow() const = 0;
  virtual void SetSelectedRow(int row) = 0;
  virtual int RowCount() const = 0;
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int row) = 0;
  virtual int VisibleRows() const = 0;
  // Scrolls so that row shows with the lines around it: nothing while it lies two rows (where
  // the view has them) inside the view, else it comes to the middle.
  void ShowRow(int row);

  // One nested coloured frame per active call made with "@C".
  virtual void PushFrame() = 0;
  virtual void PopFrame() = 0;
  virtual void ClearFrames() = 0;
  virtual void SetFrameBevelWidth(int width) = 0;
  virtual void SetFrameBorderWidth(int width) = 0;

  // Re-reads the current procedure's lines and repaints (also when hidden).
  virtual void Refresh() = 0;
};

// What the engine asks of the variable window.
class IVariableView {
 public:
  virtual ~IVariableView() = default;
  virtual QWidget* Widget() = 0;
  // Rebuilds the rows from CurrentDemo's Globals and Locals (after every call and return).
  virtual void ReloadVariables() = 0;
  // Re-reads the texts of the values whose Modified flag is set, and clears the flags.
  virtual void UpdateValues() = 0;
};

// The toolbar buttons of the demonstration window, numbered by their tags.
enum class ToolButton {
  AlgData = 1,
  CallStack = 2,
  Desc = 3,
  DemoStop = 4,
  DemoRun = 5,
  StepOver = 6,
  TraceInto = 7,
  RunToCursor = 8,
  DemoReset = 9,
  BreakPnt = 10,
  Set = 11,
  Help = 12,
  Return = 13,
};

class IRunToolbar {
 public:
  virtual ~IRunToolbar() = default;
  virtual void EnableButton(ToolButton button, bool enabled) = 0;
};

// The demonstration window's services to the engine.
class IDemoHost {
 public:
  virtual ~IDemoHost() = default;
  // Creates the algorithm and variable windows and installs them as the current views.
  virtual void CreateChildWindows() = 0;
  // Uninstalls and frees them, then undocks the demonstration window.
  virtual void DestroyChildWindows() = 0;
  // True when Esc was pressed since the last call (the run loop asks while it waits
  // between lines, after pending messages were processed); the press is consumed.
  virtual bool TakeEscape() = 0;
};

namespace views {

// The current views; never null (a do-nothing view stands in for a missing one).
IAlgorithmView& Algorithm();
IVariableView& Variables();
IRunToolbar& Toolbar();
// The installed host, or nullptr.
IDemoHost* Host();

// Install (not owned); nullptr goes back to the do-nothing view.
void SetAlgorithm(IAlgorithmView* view);
void SetVariables(IVariableView* view);
void SetToolbar(IRunToolbar* toolbar);
void SetHost(IDemoHost* host);

}  // namespace views
