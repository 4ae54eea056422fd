#pragma once
// The window that closes the critical path demonstration: the events (vertex, ve, vl) and
// the activities (arc, weight, earliest and latest start, slack), critical activities in
// red, ten activities to a page.
#include <QPoint>
#include <limits>
#include <vector>

#include "platform/Forms.h"
#include "platform/Grid.h"

class QLabel;
class TBevel;
class TGraphm;
class TSpeedButton;

class TCrtPathDlg : public TForm {
 public:
  // A cell's width: three digits with a blank on either side, or Wide where a time of four
  // digits or more (a network of nine events with three-digit durations) needs it; Least the
  // narrowest, where a window must fit a narrow room (its letters come down to 13 px).
  static constexpr int ColWidth = 36;
  static constexpr int WideColWidth = 44;
  static constexpr int LeastColWidth = 32;
  static constexpr int RowHeight = 22;
  static constexpr int MostPageSize = 10;
  static constexpr int LeastPageSize = 4;

  explicit TCrtPathDlg(QWidget* parent = nullptr);

  // Fills both tables from the graph and the event times ve[1..n], vl[1..n] (index 0
  // unused) and lays the window out: ten activities to a page in cells of the width the
  // times need, or, where the window must be no wider than maxWidth (design pixels), fewer
  // to a page and then narrower cells, as far as they go.
  void Fill(const TGraphm& graph, const std::vector<int>& ve, const std::vector<int>& vl,
            int maxWidth = std::numeric_limits<int>::max());
  // The activities to a page, as Fill laid the window out.
  int PageSize() const { return pageSize_; }
  // An activity column whose slack is exactly 0.
  bool IsCritical(int col) const;

  void RightBtnClick();
  void LeftBtnClick();
  void OKBtnClick();

  TBevel* VexBevel;
  TBevel* ArcBevel;
  TSpeedButton* RightBtn;
  TSpeedButton* LeftBtn;
  TSpeedButton* OKBtn;
  QLabel* CaptionLabel;
  TStringGrid* VexGrid;
  TStringGrid* ArcGrid;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ShowPage(int first);
  int ne_ = 0;
  int pageSize_ = MostPageSize;
  QPoint dragFrom_;
};

// Shows the result window for the graph and its event times; returns when it is closed.
// beside: the drawing the window tells about; the window opens beside it, in the room right
// of the drawing's nodes (as narrow as its tables can be laid out), over the rest of the
// drawing where it hides none of its nodes, or the fewest.
void ExecuteCrtPathDlg(const TGraphm& graph, const std::vector<int>& ve, const std::vector<int>& vl,
                       const QWidget* beside = nullptr);
