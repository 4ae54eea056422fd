#pragma once
// The selection window: the program's main window. It shows the catalogue one level at a
// time as picture items over a full-screen background (the chain of opened items down the
// left, the children of the last one in a grid to the right), the Pascal/C choice and the
// exit button, and starts the chosen demonstration through its SelectionHost.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "framework/shell/Catalogue.h"

class QAbstractButton;
class QFrame;
class QLabel;
class SelectionHost;
class TAlgoSelectForm;

// Geometry of the menu, from the screen size alone.
namespace selection {
int ItemSide(int screenHeight);  // side of an item's square frame: height div 15
int RowPitch(int screenHeight);  // vertical distance between path items: height div 14
// Columns and rows of the child grid for count children whose longest caption takes
// longestCaptionBytes GBK bytes.
struct GridShape {
  int Cols = 0;
  int Rows = 0;
};
GridShape ChildGrid(int count, int longestCaptionBytes);
}  // namespace selection

// One menu entry: a picture in a square frame and a caption beside it.
class TAlgoSelectItem {
 public:
  QWidget* Image = nullptr;  // the picture, 2 pixels inside the frame
  QFrame* Bevel = nullptr;   // the square frame, shown while hot
  int Level = 0;
  bool Hot = false;
  QColor NormalColor;
  QColor HotColor;
  QLabel* Caption = nullptr;
  const TCatalogueNode* Node = nullptr;
  int Slot = 0;  // position: 1..6 on the path, 1..16 in the grid
  bool IsPathItem = false;

  bool Visible() const;
  QPoint Pos() const;  // top-left of the frame, in window coordinates
  QString Text() const;
};

class TAlgoSelectForm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int MaxPathItems = 6;
  static constexpr int MaxChildItems = 16;

  // Builds the menu from the compiled-in catalogue and shows the selection.
  explicit TAlgoSelectForm(QWidget* parent = nullptr);
  ~TAlgoSelectForm() override;

  void SetHost(SelectionHost* host) { host_ = host; }

  // Loads the background picture and shows the window; HideSelection releases and hides.
  void ShowSelection();
  void HideSelection();

  void ItemClick(TAlgoSelectItem* item);
  void PasBtnClick();
  void CBtnClick();
  // Closes the window, which asks "你确定要退出本演示系统?"; only Yes ends the program.
  void ExitBtnClick();
  bool ConfirmExit();

  bool UseC() const { return useC_; }
  int PathLevel() const { return pathLevel_; }
  int ChildCount() const { return childCount_; }
  const TCatalogue& Catalogue() const { return catalogue_; }
  TAlgoSelectItem* PathItem(int i) const;   // 1..6
  TAlgoSelectItem* ChildItem(int i) const;  // 1..16
  TAlgoSelectItem* HotItem() const { return hotItem_; }
  QStringList PathCaptions() const;
  QStringList ChildCaptions() const;
  bool HasBackground() const { return !background_.isNull(); }
  int SeparatorY() const;

  // What a user does, for the scripted driver: chooses the language, then clicks the
  // leaf whose name (after "#") is name, letter case ignored, opening its chapters on the
  // way through the path and the child grid. False when the catalogue has no such leaf.
  void ChooseLanguage(bool useC);
  bool ClickLeaf(const QString& name);
  // Clicks the shown item (path or child) with this caption; false when none is shown.
  bool ClickCaption(const QString& caption);
  // What a leaf's click does: the host starts the demonstration in the chosen language
  // under this caption, and the selection window hides.
  void StartDemo(const QString& caption, const QString& demoName);

  QAbstractButton* PasBtn() const { return pasBtn_; }
  QAbstractButton* CBtn() const { return cBtn_; }
  QAbstractButton* ExitBtn() const { return exitBtn_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void CreateItem(TAlgoSelectItem& item, int tag);
  void PlaceItem(TAlgoSelectItem& item, QPoint pos);
  void ShowItem(TAlgoSelectItem& item, const TCatalogueNode* node, bool show);
  void SetHot(TAlgoSelectItem* item);
  void ShowChildren();
  void LayoutButtons();
  const QPixmap& PictureFor(const TCatalogueNode* node) const;
  TAlgoSelectItem* ItemOf(QObject* widget) const;
  void UserClick(TAlgoSelectItem* item);
  // Waits until the click that pressed an item could no longer become a double-click; the
  // window takes no click meanwhile.
  void WaitOutDoubleClick();

  TCatalogue catalogue_;
  SelectionHost* host_ = nullptr;
  std::array<TAlgoSelectItem, MaxPathItems> pathItems_{};
  std::array<TAlgoSelectItem, MaxChildItems> childItems_{};
  TAlgoSelectItem* hotItem_ = nullptr;
  QString imageDir_;
  int pathLevel_ = 0;
  int childCount_ = 0;
  bool useC_ = false;
  std::int64_t pressedAt_ = 0;  // when an item was last pressed (pacing's clock)
  bool waitingOutClick_ = false;
  int side_ = 0;
  int pitch_ = 0;
  int margin_ = 0;

  QImage background_;  // screen-sized, while the selection is shown
  QPixmap rootPicture_;
  std::array<QPixmap, MaxChildItems> chapterPictures_;

  QAbstractButton* helpBtn_ = nullptr;
  QAbstractButton* aboutBtn_ = nullptr;
  QAbstractButton* exitBtn_ = nullptr;
  QAbstractButton* pasBtn_ = nullptr;
  QAbstractButton* cBtn_ = nullptr;
  QWidget* pasShape_ = nullptr;
  QWidget* cShape_ = nullptr;
};
