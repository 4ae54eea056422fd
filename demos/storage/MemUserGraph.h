#pragma once
// The command window of the boundary-tag and buddy-system demonstrations: shown modally
// each time their algorithm asks for the next command, it answers allocate (with a size),
// free (with a block's first address) or end.
#include <QPoint>
#include <QRect>
#include <QSize>

#include "platform/Forms.h"

class TImage;

// Where the command window (of window size, frame included) goes on screen so that it covers
// neither the toolbar (ending at toolbarBottom) nor the memory drawing: at the bottom of the
// screen, at its right edge beside the drawing, or at its left edge when only there is room.
// On a screen too small for both it stays inside the screen and below the toolbar.
QPoint CommandWindowPlace(const QRect& screen, int toolbarBottom, const QRect& drawing, QSize window);

class TMemUserForm : public TForm {
 public:
  enum TAction : unsigned char { Allocate = 0, DeAllocate = 1, EndShow = 2 };

  explicit TMemUserForm(QWidget* parent = nullptr);

  // Shows the window; true when a button chose the action.
  bool ExeCute();
  // The next command: the window shown, then hidden again. Closing it without a button
  // ends the demonstration, as there is no other command it could stand for.
  TAction NextCommand();

  TAction Action = Allocate;
  int Value = 0;

  TImage* Image1;
  TButton* Button1;
  TButton* Button2;
  TButton* Button3;

 private:
  // Asks for the number until it lies in low..high (Cancel answers the default); a text that
  // is no number ends the click with the conversion error and leaves the window open.
  void AskValue(TAction action, const QString& caption, const QString& prompt,
                const QString& defaultText, int low, int high);
};
