#pragma once
// The paged stack window of the maze search. A stack display of 11 columns of 6 rows is
// embedded 11 half-widths of the window wide, so that two of its columns fill the window at
// a time; ">>" pages towards the older columns and "<<" back. The stack fills its columns
// from the right, so the first page (MinPage) shows the newest pair. A window too narrow for
// two columns' fields in legible letters shows one column a page, the newest first. The
// column heading on the bottom panel stands over the fields of the page's right column.
#include <QWidget>

#include "platform/Controls.h"
#include "platform/PaintBox.h"

class TAckmanGraphForm;
class TStackBox;

class TStkContainerForm : public QWidget {
 public:
  explicit TStkContainerForm(QWidget* parent = nullptr);
  ~TStkContainerForm() override;

  TPanel* Panel1 = nullptr;
  TPanel* Panel2 = nullptr;
  TSpeedButton* BtnL = nullptr;
  TSpeedButton* BtnR = nullptr;
  // The column heading on Panel2.
  TPaintBox* Heading = nullptr;

  TAckmanGraphForm* EmbeddedStack = nullptr;
  // The leftmost column of the stack display shown (0 the oldest side), and its least.
  int Page = 0;
  int MinPage = 0;
  // Columns a page shows: 2, or 1 in a window too narrow for two.
  int PerPage = 2;
  TStackBox* Stack = nullptr;

  // Creates the embedded stack display (6 rows, 11 columns, no title band) and shows its
  // newest page.
  void Embed();
  void ReleaseStack();
  // The page of the newest column pair, for the present number of rows.
  void ResetPage();
  // Puts the embedded display at Page and shows the buttons that can page further.
  void UpdatePage();

  // Columns a page can show: 2 where two columns' fields reach the screen's least legible
  // size across the window's width, else 1.
  int ColumnsThatFit() const;

  void Panel1Resize();
  void Panel2Resize();
  void BtnLClick();
  void BtnRClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};
