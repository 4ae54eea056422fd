#pragma once
// The description window: the running demonstration's written description (first line the
// title, the rest the text) over the backdrop, in a borderless modal window that can be
// dragged; long texts scroll.
#include <QDialog>
#include <QPoint>
#include <QStringList>

#include "platform/PaintBox.h"

class QFrame;
class QLabel;
class QScrollBar;
class TSpeedButton;
class TBackdropImage;

// The text rows of the description, drawn over the backdrop that lies behind them.
class TDescGrid : public TCanvasWidget {
 public:
  static constexpr int RowHeight = 24;
  explicit TDescGrid(QWidget* parent);
  // The font the rows are drawn in, and the rows' pitch, in a window grown by scale for its
  // screen (FitToScreen).
  static TFont RowFont(double scale = 1);
  static int RowPitch(double scale) { return static_cast<int>(RowHeight * scale); }
  // The author's lines as rows no wider than width in RowFont(scale): a longer line goes on
  // in further rows indented like it, broken anywhere in Chinese text but not inside a Latin
  // word, and not before a closing mark; the author's own line breaks and empty lines stay.
  static QStringList Wrap(const QStringList& lines, int width, double scale = 1);
  void SetRows(const QStringList& rows);
  const QStringList& Rows() const { return rows_; }
  // The screen point whose backdrop lies under the grid's top-left corner.
  void SetBackdropOrigin(QPoint origin) { origin_ = origin; }
  TColor TextColor = clBlue;

 protected:
  void Paint() override;

 private:
  QStringList rows_;
  QPoint origin_;
};

class TDemoDescriptForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDemoDescriptForm(QWidget* parent = nullptr);

  // Shows lines modally; nothing at all when there are none.
  void Execute(const QStringList& lines);
  // The description's text rows, wrapped to the text area.
  const QStringList& TextRows() const { return lines_; }
  // Rows shown, and rows that fit on this screen.
  int VisibleRows() const { return rows_; }
  // On a screen larger than the design's the window grows (FitToScreen): rows and margins
  // are counted at that size.
  static int MaxRows(int screenHeight, double scale = 1) {
    return (screenHeight - static_cast<int>(170 * scale)) / TDescGrid::RowPitch(scale);
  }

  QLabel* LabelTitle;
  QFrame* Bevel1;
  TDescGrid* DescGrid;
  QScrollBar* ScrollBar;
  TSpeedButton* SpeedButtonOK;

 protected:
  void showEvent(QShowEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillRows(int first);

  TBackdropImage* bkImg_;
  QStringList lines_;  // the text rows (without the title)
  int rows_ = 0;
  bool dragging_ = false;
  QPoint drag_;
};
