#pragma once
// What the two matrix input dialogs share: a matrix shown as a grid of flat cell buttons
// in brackets, each value typed on the keypad, and the closing check of a matrix's count of
// non-zero elements.
#include <QString>
#include <functional>
#include <memory>

#include "demos/linear/TripleTable.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

class QPainter;
class TNoForm;

// One matrix of cell buttons: size x size buttons, 45 x 30 at a pitch of 40 x 30 from
// (left, top) (or pitch wide, side by side, for a wider pitch); the button of row i, column j
// has Tag i * 20 + j + tagOffset and is named "Cell" + its Tag. The left bracket stands at
// bracketLeft. Captions are in a font in which widest, the widest value a cell takes, fits.
class TCellGrid {
 public:
  TCellGrid(QWidget* dialog, int size, int left, int top, int tagOffset, int bracketLeft, int rows,
            int cols, int pitch = 40, const QString& widest = QStringLiteral("-100"));

  TCellValues Values{};
  int Rows = 0;  // the size the grid shows
  int Cols = 0;

  TSpeedButton* Button(int i, int j) const;
  // Shows the buttons within rows x cols; the values of hidden cells stay.
  void Show(int rows, int cols);
  void SetValue(int i, int j, int v);
  void Clear();
  int Count() const { return CountNonZero(Values, Rows, Cols); }
  TTripleTable Table() const { return TableFromCells(Values, Rows, Cols); }
  // The brackets around the shown cells.
  void DrawBrackets(QPainter& p) const;
  // The cell of a button of this grid, from its Tag; false for another grid's button.
  bool CellOf(const TSpeedButton* button, int& i, int& j) const;

  std::function<void(TSpeedButton*)> OnCellClick;

 private:
  int size_;
  int pitch_;
  int left_;
  int top_;
  int tagOffset_;
  int bracketLeft_;
  std::vector<TSpeedButton*> buttons_;  // owned by the dialog
};

// The base of the two dialogs: the keypad and what a click on a cell does.
class TMatrixDlgBase : public TForm {
 public:
  explicit TMatrixDlgBase(QWidget* parent = nullptr);
  ~TMatrixDlgBase() override;

  // Shows the dialog modally; true when it closed with OK.
  bool Execute() { return ShowModal() == mrOk; }
  TNoForm* NoForm() const { return noForm_.get(); }

 protected:
  // Types a value for the cell (i, j) of grid on the keypad; true when it was confirmed.
  bool EnterValue(TCellGrid& grid, TSpeedButton* button, int i, int j, char mode);
  // The closing check of one matrix: "" + prefix + tail messages; false keeps the dialog
  // open. tooMany answers that the dialog must stay open without looking further.
  static bool CheckCount(int tu, int rows, int cols, int hardLimit, const QString& prefix, bool& tooMany);

 private:
  std::unique_ptr<TNoForm> noForm_;
};

// The dialogs' controls: a bold label, a read-only size edit, the up-down arrows beside it
// (a script sets them by name) that change it.
class QLabel;
class QSpinBox;
class TIntEdit;
TIntEdit* NewSizeEdit(QWidget* parent, const char* name, int x, int y, int value);
QSpinBox* NewUpDown(QWidget* parent, const char* name, TIntEdit* edit, int max, int value);
// A button of the dialogs' column of buttons, 28 high, in 15-pixel type.
TButton* NewMatrixButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int w);
QLabel* NewMatrixLabel(QWidget* parent, const QString& caption, int x, int y, TColor color);
