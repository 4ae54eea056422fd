#pragma once
// The algorithm window: the text of the running demonstration, one grid row per parsed line
// of the procedure chosen by a tab. It marks the line about to run, the breakpoints and the
// selected row, and draws one nested coloured frame around the text per active call, so
// that the depth of recursion shows.
//
// The engine drives it through IAlgorithmView; the demonstration window docks Widget() and
// toggles breakpoints with ToggleBreakpoint; the scripted driver chooses a line with
// SelectLine.
#include <QPoint>
#include <QWidget>
#include <map>
#include <vector>

#include "framework/engine/DemoViews.h"
#include "framework/shell/PaneZoom.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

class QScrollBar;
class QTabBar;
class TPanel;
class TProcedure;
class TProcLine;
class TZqDrawGrid;
class TZqStaticText;
class TZqTabSet;

class TAlgorithmForm : public QWidget, public IAlgorithmView {
 public:
  static constexpr int FrameColorCount = 13;
  // The colour of the frame at a nesting depth (taken mod 13); also the colour of the
  // unmarked lines of the executing procedure at that depth.
  static TColor FrameColor(int depth);
  // Rows the text keeps at any depth: the current line and two lines on each side.
  static constexpr int LeastRows = 5;
  // How wide each of `depth` nested frames is on each side, outermost first. Frames are
  // `full` pixels wide while `room` pixels a side hold them all; past that they share the
  // room, all the thinner the deeper the calls nest, but never thinner than two pixels of
  // colour: frames that cannot have that much give way from the outside, so the innermost,
  // whose colours tell the depth, always show.
  static std::vector<int> FrameInsets(int depth, int full, int room);

  explicit TAlgorithmForm(QWidget* parent = nullptr);
  ~TAlgorithmForm() override;

  // ---- IAlgorithmView
  QWidget* Widget() override { return this; }
  void ClearProcTabs() override;
  void AddProcTab(const QString& caption) override;
  int SelectedTab() const override;
  void SelectTab(int index) override;
  int SelectedRow() const override;
  void SetSelectedRow(int row) override;
  int RowCount() const override;
  int TopRow() const override;
  void SetTopRow(int row) override;
  int VisibleRows() const override { return MaxLines(); }
  void PushFrame() override;
  void PopFrame() override;
  void ClearFrames() override;
  void SetFrameBevelWidth(int width) override { frameBevelWidth_ = width; }
  void SetFrameBorderWidth(int width) override { frameBorderWidth_ = width; }
  void Refresh() override;

  // ---- For the demonstration window and the scripted driver
  // The procedure whose tab is selected (the first when none is); nullptr without one.
  TProcedure* ShownProcedure() const;
  // The line at the selected row of the shown procedure; nullptr on a row past its end.
  TProcLine* SelectedLine() const;
  // Inverts the breakpoint of the selected line and repaints; a row that holds no line
  // changes nothing (false).
  bool ToggleBreakpoint();
  // Selects the tab of the procedure named so and the row; false when there is no such
  // procedure or the row is outside the grid.
  bool SelectLine(const QString& procName, int row);
  // Double click on the grid: shows the selected row's number.
  void ProcBoxDblClick();

  // ---- State, for tests
  int FrameDepth() const { return frameDepth_; }
  TPanel* CurrentPanel() const { return currentPanel_; }
  int ProcLineCount() const { return procLineCount_; }
  int MaxLines() const;
  bool LineVisible(int i) const;
  int CharMargin() const { return charMargin_; }
  int GridWidth() const { return gridWidth_; }
  // The width the text is laid out in: the room, or GridWidth when the room is narrower.
  int TextWidth() const { return textWidth_; }
  QScrollBar* TextScrollBar() const { return hScroll_; }
  int RowHeight() const;
  bool Zoomed() const { return zoom_.Zoomed(); }
  // The rows in view that were last painted as the current line (filled navy): what the
  // window shows of where the run stands, whatever the engine's state is meanwhile.
  struct PaintedRow {
    int row = 0;
    QString text;
  };
  std::vector<PaintedRow> PaintedCurrentRows() const;
  TZqDrawGrid* ProcBox() const { return procBox_; }
  TZqTabSet* ProcTabSet() const { return procTabSet_; }
  TZqStaticText* BkPanel() const { return bkPanel_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ProcTabSetClick();
  void ShowProcedure(const TProcedure* proc);
  void PanelResize();
  void ApplyFont();
  // Everything a grid row is painted from: a row whose look has not changed since it was
  // painted is left alone when the window refreshes.
  struct RowLook {
    const TProcLine* line = nullptr;
    QString text;
    TRect rect;
    TColor fill = clNone;
    bool breakFrame = false;  // a breakpoint on a row filled for another reason
    TFont font;
    int scroll = 0;
    QPoint origin;          // on the screen, where the backdrop is taken from
    qint64 backdrop = 0;    // the backdrop picture's identity
    friend bool operator==(const RowLook&, const RowLook&) = default;
  };
  // The part of the look every row shares, then one row's look.
  RowLook CommonLook() const;
  RowLook LookOf(int row, const RowLook& common) const;
  // Repaints the visible rows whose look changed.
  void RefreshRows();
  void ProcBoxDrawCell(int row, const TRect& rect);
  void PaintBackdrop(const TRect& rect);
  void LayoutForm();
  // Gives the nested frames their widths for the depth and the window's room.
  void FitFrames();
  // The room a side the frames may take and leave the text LeastRows rows and a readable
  // width.
  int FrameRoom() const;

  TPanel* panel_ = nullptr;  // the outermost frame
  TZqStaticText* bkPanel_ = nullptr;  // holds the grid, inside the innermost frame
  TZqDrawGrid* procBox_ = nullptr;
  QWidget* tabPanel_ = nullptr;
  TZqTabSet* procTabSet_ = nullptr;
  QScrollBar* hScroll_ = nullptr;  // moves the text sideways when 80 characters do not fit
  TPanel* currentPanel_ = nullptr;
  std::vector<TPanel*> frames_;  // nested frames, outermost first (owned by Qt)

  TFont font_;
  int charMargin_ = 0;
  int gridWidth_ = 0;
  int textWidth_ = 0;
  int frameDepth_ = 0;
  int procLineCount_ = 0;
  int frameBevelWidth_ = 1;
  int frameBorderWidth_ = 1;
  TPaneZoom zoom_;
  bool inResize_ = false;
  std::map<int, RowLook> painted_;  // the look of each row when it was last painted
  std::pair<QPoint, qint64> tabBackdrop_;  // where the tabs' backdrop was last taken from
};
