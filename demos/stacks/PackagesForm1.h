#pragma once
// The knapsack's first input dialog: how many items (1 to 8). One digit is typed into the
// edit (each digit 1 .. 8 replaces the text, every other key is dropped); the accept and
// cancel pictures light up under the mouse; Enter or a click on accept takes the count.
#include <array>

#include "platform/Controls.h"
#include "platform/Forms.h"

class TPackagesForm1 : public TForm {
 public:
  explicit TPackagesForm1(QWidget* parent = nullptr);

  TPanel* Panel1;
  TImage* Image1;  // the picture behind the edit
  TEdit* Edit1;
  TImage* Image2;  // accept, under the mouse
  TImage* Image3;  // accept
  TImage* Image4;  // cancel, under the mouse
  TImage* Image5;  // cancel

  int ItemCount = 1;
  bool Accepted = false;

  // Shows the count in the edit, then the dialog modally; returns the modal result.
  int Execute();
  // Takes the edit's count when it is one digit 1 .. 8, else says "物品个数为1~8!".
  void Accept();
  // Both pictures plain again (the mouse is over the background).
  void ShowPlain();

 private:
  void KeyPressed(QChar& key);
  TImage* NewPicture(const QImage& picture, int x, int y);
  // "PkgNo2.bmp" .. "PkgNo5.bmp": accept lit and plain, cancel lit and plain.
  std::array<QImage, 4> pictures_;
};
