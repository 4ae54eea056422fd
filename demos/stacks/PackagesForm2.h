#pragma once
// The knapsack's second input dialog: the weight of each item (1 to 10) and the volume T
// (1 to 30), each item drawn as a pile of blocks above its field and T as a column of
// cells. A number out of range puts the last valid value back; "设定完毕" stays disabled
// while a shown field holds no number.
#include <QLabel>
#include <array>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

class TPackagesForm2 : public TForm {
 public:
  static constexpr int MaxItems = 8;
  static constexpr int BlockSize = 24;

  explicit TPackagesForm2(QWidget* parent = nullptr);

  TImage* Image1;  // the background, with the piles drawn on it
  TSpeedButton* Label1;     // "设定完毕"
  TSpeedButton* RanButton;  // "随机生成"
  TSpeedButton* Label3;     // "取    消"
  std::array<QLabel*, 10> Labels{};  // 1 .. 8 "W1=" .. "W8=", 9 "T="
  std::array<TEdit*, 10> Edits{};    // Edit1 .. Edit9 (tags 1 .. 9)

  int ItemCount = 1;
  bool Accepted = false;
  // Weights of items 1 .. ItemCount; at ItemCount + 1 the volume T.
  std::array<int, 10> Weights{};

  // Every weight 1 and every field valid, the fields of ItemCount items laid out, then the
  // dialog modally; returns Accepted.
  bool Execute();
  // Execute's set-up without showing the dialog.
  void Prepare();
  // A field's text changed (also when set by the program).
  void EditChange(TEdit* edit);
  void RanButtonClick();
  void Label1Click();
  void Label3Click();

  bool Valid(int index) const { return valid_[static_cast<std::size_t>(index)]; }
  // The weight index of a field: its tag, and T (tag 9) at ItemCount + 1.
  int IndexOf(const TEdit* edit) const;
  // Where a field (label and edit) and block k of its pile stand, at the dialog's scale.
  TRect FieldRect(int index) const;
  TRect BlockRect(int index, int k) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void PaintBackground();
  void RepaintPiles();
  void LayoutFields();
  void RedrawPile(int index);
  void UpdateDoneButton();

  std::array<bool, 10> valid_{};
  std::array<std::unique_ptr<TBitmap>, 10> blocks_;  // "PkgSetup0.bmp" .. "PkgSetup9.bmp"
  TBitmap background_;  // "PkgBack.bmp" stretched over the client area
  bool filling_ = false;  // random values being filled in: piles drawn once at the end
};
