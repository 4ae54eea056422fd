#pragma once
// The variable window: the global data and the current procedure's arguments and locals as
// a two-column tree grid of names and values over the backdrop. A value changed by the last
// step is drawn in the theme's modified colour; inside a composite only the characters of
// the changed parts are. Clicking a record or vector opens or closes it.
//
// The engine drives it through IVariableView; the scripted driver reads RowText.
#include <QPoint>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <utility>

#include "framework/engine/DemoViews.h"
#include "framework/shell/PaneZoom.h"
#include "framework/shell/VarRows.h"
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

class TZqStringGrid;

class TVariableForm : public QWidget, public IVariableView {
 public:
  explicit TVariableForm(QWidget* parent = nullptr);
  ~TVariableForm() override;

  // ---- IVariableView
  QWidget* Widget() override { return this; }
  void ReloadVariables() override;
  void UpdateValues() override;

  // Clicking a row (counted from 1 below the header): opens or closes a composite.
  void VarGridSelectCell(int row);

  // ---- For the scripted driver and tests
  const TVarRows& Rows() const { return rows_; }
  // "NAME = TEXT", with " *" appended while the value is marked changed.
  QString RowText(int i) const;
  int NameColWidth() const { return nameColWidth_; }
  int ValueColWidth() const { return valueColWidth_; }
  bool Zoomed() const { return zoom_.Zoomed(); }
  int RowHeight() const;
  TZqStringGrid* VarGrid() const { return varGrid_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SyncGrid();
  void ComputeWidths();
  void LayoutGrid();
  // Everything a cell is painted from: a cell whose look has not changed since it was
  // painted is left alone.
  struct CellLook {
    TRect rect;
    QPoint origin;        // on the screen, where the backdrop is taken from
    qint64 backdrop = 0;  // the backdrop picture's identity
    TFont font;
    std::array<TColor, 4> colours{};  // title, name, value, modified value
    bool shown = false;               // a title or a variable's row
    QString name, value, mark;
    bool changed = false;
    int level = 0;
    TVarStatus status = TVarStatus::Atom;
    TVarIcon icon = TVarIcon::Record;
    friend bool operator==(const CellLook&, const CellLook&) = default;
  };
  // The part of the look every cell shares, then one cell's look.
  CellLook CommonLook() const;
  CellLook LookOf(int col, int row, const CellLook& common) const;
  // Repaints the visible cells whose look changed, and the backdrop when it moved.
  void RefreshCells();
  void VarGridDrawCell(int col, int row, const TRect& rect);
  void DrawValue(TCanvas& c, const TVarRow& row, int x, int y);
  void DrawSign(TCanvas& c, TVarStatus status, int x, int y);

  TZqStringGrid* varGrid_ = nullptr;
  TVarRows rows_;
  TFont font_;
  int nameColWidth_ = 0;
  int valueColWidth_ = 0;
  TPaneZoom zoom_;
  std::array<std::unique_ptr<TBitmap>, 3> signs_;  // by TVarStatus
  std::array<std::unique_ptr<TBitmap>, 8> icons_;  // by TVarIcon - 1
  std::map<std::pair<int, int>, CellLook> painted_;  // by column and row, when last painted
  std::pair<QPoint, qint64> backdrop_;  // where the window's backdrop was last taken from
};
