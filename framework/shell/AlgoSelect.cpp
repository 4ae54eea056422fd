#include "framework/shell/AlgoSelect.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "framework/shell/SelectionHost.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/ModalHost.h"
#include "platform/Pacing.h"
#include "platform/Screen.h"
#include "platform/TextRules.h"
#include "resources/PictureNames.h"

namespace selection {

int ItemSide(int screenHeight) { return screenHeight / 15; }
int RowPitch(int screenHeight) { return screenHeight / 14; }

GridShape ChildGrid(int count, int longestCaptionBytes) {
  if (count <= 0) return {};
  GridShape g;
  g.Cols = std::min(3, (count - 1) / 4 + 1);
  g.Rows = (count - 1) / g.Cols + 1;
  if (count == 4 && longestCaptionBytes < 13) {
    g.Cols = 2;
    g.Rows = 2;
  }
  return g;
}

}  // namespace selection

namespace {

const QColor kPathColor(0, 0, 255);  // blue
const QColor kChildColor(0, 128, 128);  // teal
const QColor kHotColor(255, 0, 0);  // red
const QColor kLangOff(0, 128, 0);  // green
const QColor kPlainBackground(216, 224, 232);

// The picture of an item, drawn stretched; the square frame around it is the item's bevel.
class TItemPicture : public QWidget {
 public:
  using QWidget::QWidget;
  const QPixmap* Picture = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (Picture && !Picture->isNull()) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawPixmap(rect(), *Picture);
    } else {
      // No picture file: a plain raised square keeps the item recognisable.
      p.fillRect(rect(), QColor(192, 192, 192));
      p.setPen(Qt::white);
      p.drawLine(0, height() - 1, 0, 0);
      p.drawLine(0, 0, width() - 1, 0);
      p.setPen(QColor(128, 128, 128));
      p.drawLine(width() - 1, 0, width() - 1, height() - 1);
      p.drawLine(width() - 1, height() - 1, 0, height() - 1);
    }
  }
};

// A catalogue caption in the Song face with its Latin letters in the serif face: the Song
// face's own Latin glyphs are thin and small beside its characters, and the characters after
// them stood at a fraction of a pixel, which draws an unhinted glyph narrower, so that "B树"
// and "B+树" looked a size smaller than their neighbours. Each run is drawn in its own face
// on one baseline from a whole pixel, so the characters look exactly as in every other
// caption.
class TCaptionLabel : public QLabel {
 public:
  using QLabel::QLabel;

  QSize sizeHint() const override {
    int width = 0, ascent = 0, descent = 0;
    ForEachRun([&](const QString& run, const QFont& f) {
      const QFontMetricsF m(f);
      width += RunWidth(m, run);
      ascent = std::max(ascent, QFontMetrics(f).ascent());
      descent = std::max(descent, QFontMetrics(f).descent());
    });
    return {width, ascent + descent};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    int ascent = 0;
    ForEachRun([&](const QString&, const QFont& f) { ascent = std::max(ascent, QFontMetrics(f).ascent()); });
    int x = 0;
    ForEachRun([&](const QString& run, const QFont& f) {
      p.setFont(f);
      p.drawText(x, ascent, run);
      x += RunWidth(QFontMetricsF(f), run);
    });
  }

 private:
  static int RunWidth(const QFontMetricsF& m, const QString& run) {
    return static_cast<int>(std::ceil(m.horizontalAdvance(run)));
  }
  template <class F>
  void ForEachRun(F&& visit) const {
    QFont latin = font();
    latin.setFamily(SubstituteFamily(QStringLiteral("Times New Roman")));
    const QString t = text();
    for (qsizetype start = 0; start < t.size();) {
      const bool isLatin = t[start].unicode() < 0x80;
      qsizetype end = start + 1;
      while (end < t.size() && (t[end].unicode() < 0x80) == isLatin) ++end;
      visit(t.mid(start, end - start), isLatin ? latin : font());
      start = end;
    }
  }
};

// The small square beside a language button: red when that language is chosen.
class TLangShape : public QWidget {
 public:
  using QWidget::QWidget;
  QColor Brush = QColor(128, 128, 128);
  std::function<void()> OnMouseUp;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Brush);
    p.setPen(Qt::white);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && OnMouseUp)
      OnMouseUp();
  }
};

QFont LayoutFont(const QString& name, int pixelHeight, TFontStyles style = 0) {
  TFont f;
  f.Name = name;
  f.Height = -std::max(1, pixelHeight);
  f.Style = style;
  return f.ToQFont();
}

// A catalogue caption in the Song face, its Latin letters in the serif face: the Song face's
// own Latin glyphs are thin and small beside its characters, so that "B树" and "B+树" looked
// a size smaller than their neighbours.
QFont CaptionFont(int pixelHeight) {
  QFont f = LayoutFont(QStringLiteral("宋体"), pixelHeight);
  f.setFamilies({SubstituteFamily(QStringLiteral("Times New Roman")), f.family()});
  return f;
}

QToolButton* FlatButton(QWidget* parent, const QString& caption, const QFont& font) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setAutoRaise(true);
  b->setFont(font);
  b->setCursor(Qt::PointingHandCursor);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

void SetTextColor(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, c);
  pal.setColor(QPalette::ButtonText, c);
  w->setPalette(pal);
}

// A hot item shows its frame behind the picture and its caption underlined in the hot colour.
void MarkHot(TAlgoSelectItem& item, bool hot) {
  item.Hot = hot;
  item.Bevel->setVisible(hot);
  if (hot) item.Bevel->lower();
  QFont f = item.Caption->font();
  f.setUnderline(hot);
  item.Caption->setFont(f);
  SetTextColor(item.Caption, hot ? item.HotColor : item.NormalColor);
}

}  // namespace

bool TAlgoSelectItem::Visible() const { return Image && !Image->isHidden(); }
QPoint TAlgoSelectItem::Pos() const { return Bevel ? Bevel->pos() : QPoint(); }
QString TAlgoSelectItem::Text() const { return Caption ? Caption->text() : QString(); }

TAlgoSelectForm::TAlgoSelectForm(QWidget* parent)
    : QWidget(parent), catalogue_(TCatalogue::Load()) {
  FormCreate();
}

TAlgoSelectForm::~TAlgoSelectForm() {
  // The items' widgets are children of the window and go with it.
  HideSelection();
}

void TAlgoSelectForm::FormCreate() {
  setObjectName(QStringLiteral("AlgoSelectForm"));
  setWindowFlag(Qt::FramelessWindowHint);
  setWindowTitle(modal::AppTitle());
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent covers the whole window
  imageDir_ = app::ImagePath();
  const QSize screenSize = screen::Size();
  side_ = selection::ItemSide(screenSize.height());
  pitch_ = selection::RowPitch(screenSize.height());
  margin_ = side_ / 3;
  setGeometry(QRect(QPoint(0, 0), screenSize));

  // The root's picture, and one per chapter; a chapter without its own shows the root's.
  const auto load = [](const QString& name, QPixmap& into) {
    const QString file = app::ImageFile(name + QStringLiteral(".bmp"));
    if (file.isEmpty()) return false;
    into = QPixmap::fromImage(ReadImageFile(file));
    return !into.isNull();
  };
  load(QStringLiteral("AlgoSelRoot"), rootPicture_);
  for (size_t i = 0; i < chapterPictures_.size(); ++i) {
    const bool own = i < gen::kChapterPictures.size() &&
                     load(QString::fromLatin1(gen::kChapterPictures[i]), chapterPictures_[i]);
    if (!own) chapterPictures_[i] = rootPicture_;
  }

  for (int i = 0; i < MaxPathItems; ++i) CreateItem(pathItems_[static_cast<size_t>(i)], i + 1);
  for (int i = 0; i < MaxChildItems; ++i)
    CreateItem(childItems_[static_cast<size_t>(i)], 101 + i);

  LayoutButtons();

  TAlgoSelectItem& root = pathItems_[0];
  root.NormalColor = kPathColor;
  ShowItem(root, catalogue_.Root(), true);
  PlaceItem(root, QPoint(margin_, pitch_));
  pathLevel_ = 1;
  ShowChildren();

  PasBtnClick();
  ShowSelection();
}

void TAlgoSelectForm::CreateItem(TAlgoSelectItem& item, int tag) {
  item.Slot = tag % 100;
  item.IsPathItem = tag <= 100;
  item.HotColor = kHotColor;
  item.NormalColor = item.IsPathItem ? kPathColor : kChildColor;
  item.Bevel = new QFrame(this);
  item.Bevel->setFrameShape(QFrame::Panel);
  item.Bevel->setFrameShadow(QFrame::Raised);
  item.Bevel->setLineWidth(2);
  item.Bevel->setCursor(Qt::PointingHandCursor);
  item.Bevel->resize(side_, side_);
  item.Bevel->hide();
  auto* picture = new TItemPicture(this);
  picture->resize(side_ - 4, side_ - 4);
  picture->setCursor(Qt::PointingHandCursor);
  picture->setMouseTracking(true);
  picture->installEventFilter(this);
  picture->hide();
  item.Image = picture;
  item.Caption = new TCaptionLabel(this);
  item.Caption->setFont(CaptionFont(side_ * 9 / 20));
  item.Caption->setCursor(Qt::PointingHandCursor);
  item.Caption->setMouseTracking(true);
  item.Caption->installEventFilter(this);
  item.Caption->hide();
}

void TAlgoSelectForm::PlaceItem(TAlgoSelectItem& item, QPoint pos) {
  item.Bevel->move(pos);
  item.Image->move(pos + QPoint(2, 2));
  item.Caption->adjustSize();
  item.Caption->move(pos.x() + side_ + 8, pos.y() + (side_ - item.Caption->height()) / 2);
}

void TAlgoSelectForm::ShowItem(TAlgoSelectItem& item, const TCatalogueNode* node, bool show) {
  item.Node = node;
  item.Level = node ? node->Level() : 0;
  if (hotItem_ == &item) SetHot(nullptr);
  if (!show || !node) {
    item.Image->hide();
    item.Caption->hide();
    item.Bevel->hide();
    return;
  }
  static_cast<TItemPicture*>(item.Image)->Picture = &PictureFor(node);
  item.Caption->setText(node->Caption());
  QFont f = item.Caption->font();
  f.setUnderline(false);
  item.Caption->setFont(f);
  SetTextColor(item.Caption, item.NormalColor);
  item.Caption->adjustSize();
  item.Image->show();
  item.Image->update();
  item.Caption->show();
}

const QPixmap& TAlgoSelectForm::PictureFor(const TCatalogueNode* node) const {
  const TCatalogueNode* chapter = node ? node->Chapter() : nullptr;
  if (!chapter) return rootPicture_;
  const int slot = chapter->Index() % MaxChildItems;
  return chapterPictures_[static_cast<size_t>(slot)];
}

void TAlgoSelectForm::SetHot(TAlgoSelectItem* item) {
  if (hotItem_ == item) return;
  if (hotItem_) MarkHot(*hotItem_, false);
  hotItem_ = item;
  if (item) MarkHot(*item, true);
}

void TAlgoSelectForm::ShowChildren() {
  for (TAlgoSelectItem& c : childItems_) ShowItem(c, nullptr, false);
  const TCatalogueNode* node = pathItems_[static_cast<size_t>(pathLevel_ - 1)].Node;
  childCount_ = node ? std::min(node->Count(), MaxChildItems) : 0;
  if (childCount_ == 0) {
    update();
    return;
  }
  int longestBytes = 0;
  int widest = 0;
  for (int i = 0; i < childCount_; ++i) {
    TAlgoSelectItem& item = childItems_[static_cast<size_t>(i)];
    ShowItem(item, node->Child(i), true);
    longestBytes = std::max(longestBytes, text::GbkLength(item.Node->Caption()));
    widest = std::max(widest, item.Caption->width());
  }
  const selection::GridShape grid = selection::ChildGrid(childCount_, longestBytes);
  const int vStep = (9 - pathLevel_) * pitch_ / grid.Rows;
  const int hStep = side_ + 8 + widest + side_ / 2;
  // The grid is centred in the space right of the path column and below the separator.
  const int left = margin_ + pathLevel_ * side_;
  const int right = width() - side_;
  const int x0 = left + std::max(0, (right - left - grid.Cols * hStep) / 2);
  const int y0 = SeparatorY() + pitch_ / 2;
  for (int i = 0; i < childCount_; ++i) {
    const int row = i / grid.Cols;
    const int col = i % grid.Cols;
    PlaceItem(childItems_[static_cast<size_t>(i)],
              QPoint(x0 + col * hStep, y0 + row * vStep + (vStep - side_) / 2));
  }
  update();
}

int TAlgoSelectForm::SeparatorY() const {
  return pathLevel_ * pitch_ + side_ + (pitch_ - side_) / 2;
}

void TAlgoSelectForm::ItemClick(TAlgoSelectItem* item) {
  if (!item || !item->Node) return;
  SetHot(item);
  if (item->IsPathItem) {
    for (int i = item->Slot; i < MaxPathItems; ++i)
      ShowItem(pathItems_[static_cast<size_t>(i)], nullptr, false);
    pathLevel_ = item->Slot;
    ShowChildren();
    return;
  }
  const TCatalogueNode* node = item->Node;
  if (node->HasChildren()) {
    if (pathLevel_ >= MaxPathItems) return;
    TAlgoSelectItem& next = pathItems_[static_cast<size_t>(pathLevel_)];
    ShowItem(next, node, true);
    PlaceItem(next, QPoint(margin_ + pathLevel_ * side_, (pathLevel_ + 1) * pitch_));
    ++pathLevel_;
    SetHot(nullptr);
    ShowChildren();
    return;
  }
  if (!node->IsLeaf()) return;  // a chapter without entries
  // The demonstration's first dialog would open under the pointer and take the second click
  // of a double-click (its close box or Cancel may lie there): the leaf takes that click.
  WaitOutDoubleClick();
  StartDemo(node->Caption(), node->DemoName());
}

void TAlgoSelectForm::WaitOutDoubleClick() {
  const std::int64_t left = QApplication::doubleClickInterval() - (pacing::Now() - pressedAt_);
  if (left <= 0) return;
  waitingOutClick_ = true;
  qApp->installEventFilter(this);
  pacing::WaitProcessing(static_cast<int>(left), {});
  qApp->removeEventFilter(this);
  waitingOutClick_ = false;
}

void TAlgoSelectForm::StartDemo(const QString& caption, const QString& demoName) {
  if (host_) {
    host_->DisableButtons();
    host_->DrawCaption(caption);
    host_->ShowMainForm();
    host_->StartDemo(demoName, useC_);
  }
  HideSelection();
}

void TAlgoSelectForm::PasBtnClick() { ChooseLanguage(false); }
void TAlgoSelectForm::CBtnClick() { ChooseLanguage(true); }

void TAlgoSelectForm::ChooseLanguage(bool useC) {
  useC_ = useC;
  SetTextColor(pasBtn_, useC ? kLangOff : kHotColor);
  SetTextColor(cBtn_, useC ? kHotColor : kLangOff);
  static_cast<TLangShape*>(pasShape_)->Brush = useC ? QColor(128, 128, 128) : kHotColor;
  static_cast<TLangShape*>(cShape_)->Brush = useC ? kHotColor : QColor(128, 128, 128);
  pasShape_->update();
  cShape_->update();
}

void TAlgoSelectForm::ExitBtnClick() { close(); }

bool TAlgoSelectForm::ConfirmExit() {
  const int answer = modal::MessageBox(QStringLiteral("你确定要退出本演示系统?"), modal::AppTitle(),
                                       modal::Buttons::YesNoCancel, modal::Icon::Question);
  return answer == modal::ResultYes;
}

void TAlgoSelectForm::ShowSelection() {
  const QSize screenSize = screen::Size();
  // Kept as an image, not a pixmap: a loaded pixmap would stay in Qt's pixmap cache, a
  // second screen-sized copy for the program's whole life. A picture of the screen's size is
  // the background itself, drawn from the mapped file without a copy.
  QImage picture;
  const QString file = app::ImageFile(QStringLiteral("crtbk.bmp"));
  if (!file.isEmpty()) picture = ReadImageFile(file);
  if (picture.size() == screenSize) {
    background_ = std::move(picture);
  } else {
    background_ = QImage(screenSize, QImage::Format_RGB32);
    if (picture.isNull()) {
      background_.fill(kPlainBackground);
    } else {
      QPainter p(&background_);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(QRect(QPoint(0, 0), screenSize), picture);
    }
  }
  setGeometry(QRect(QPoint(0, 0), screenSize));
  show();
  // The mouse has moved while the demonstration ran: hot is only what lies under it now.
  QWidget* under = childAt(mapFromGlobal(QCursor::pos()));
  SetHot(under != nullptr ? ItemOf(under) : nullptr);
  update();
}

void TAlgoSelectForm::HideSelection() {
  background_ = QImage();
  hide();
}

TAlgoSelectItem* TAlgoSelectForm::PathItem(int i) const {
  if (i < 1 || i > MaxPathItems) return nullptr;
  return const_cast<TAlgoSelectItem*>(&pathItems_[static_cast<size_t>(i - 1)]);
}

TAlgoSelectItem* TAlgoSelectForm::ChildItem(int i) const {
  if (i < 1 || i > MaxChildItems) return nullptr;
  return const_cast<TAlgoSelectItem*>(&childItems_[static_cast<size_t>(i - 1)]);
}

QStringList TAlgoSelectForm::PathCaptions() const {
  QStringList out;
  for (int i = 0; i < pathLevel_; ++i) out << pathItems_[static_cast<size_t>(i)].Text();
  return out;
}

QStringList TAlgoSelectForm::ChildCaptions() const {
  QStringList out;
  for (int i = 0; i < childCount_; ++i) out << childItems_[static_cast<size_t>(i)].Text();
  return out;
}

void TAlgoSelectForm::UserClick(TAlgoSelectItem* item) {
  // A press and a release on the item's picture, as the mouse gives them.
  QWidget* target = item->Image;
  const QPointF local(target->width() / 2.0, target->height() / 2.0);
  const QPointF global = target->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QApplication::sendEvent(target, &release);
}

bool TAlgoSelectForm::ClickCaption(const QString& caption) {
  TAlgoSelectItem* found = nullptr;
  for (int i = 1; i <= childCount_ && !found; ++i)
    if (ChildItem(i)->Text() == caption) found = ChildItem(i);
  for (int i = 1; i <= pathLevel_ && !found; ++i)
    if (PathItem(i)->Text() == caption) found = PathItem(i);
  if (found) UserClick(found);
  return found != nullptr;
}

bool TAlgoSelectForm::ClickLeaf(const QString& name) {
  TCatalogueNode* leaf = catalogue_.FindLeaf(name);
  if (!leaf) return false;
  const std::vector<TCatalogueNode*> chain = TCatalogue::PathTo(leaf);
  // Back up the path to the deepest item that lies on the leaf's chain.
  int keep = 1;
  while (keep < pathLevel_ && keep < static_cast<int>(chain.size()) &&
         pathItems_[static_cast<size_t>(keep)].Node == chain[static_cast<size_t>(keep)])
    ++keep;
  if (keep < pathLevel_) UserClick(PathItem(keep));
  // Then down the grid: every chapter on the way, then the leaf.
  for (size_t depth = static_cast<size_t>(keep); depth < chain.size(); ++depth) {
    TAlgoSelectItem* shown = nullptr;
    for (int i = 1; i <= childCount_; ++i)
      if (ChildItem(i)->Node == chain[depth]) shown = ChildItem(i);
    if (!shown) return false;
    UserClick(shown);
  }
  return true;
}

TAlgoSelectItem* TAlgoSelectForm::ItemOf(QObject* widget) const {
  for (const auto* items : {&pathItems_[0], &childItems_[0]}) {
    const int n = items == &pathItems_[0] ? MaxPathItems : MaxChildItems;
    for (int i = 0; i < n; ++i)
      if (items[i].Image == widget || items[i].Caption == widget)
        return const_cast<TAlgoSelectItem*>(&items[i]);
  }
  return nullptr;
}

bool TAlgoSelectForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool button = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                      type == QEvent::MouseButtonRelease;
  if (waitingOutClick_ && button) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w != nullptr && w->window() == this) return true;
  }
  if (type == QEvent::MouseButtonPress && ItemOf(watched) != nullptr) pressedAt_ = pacing::Now();
  if (type == QEvent::MouseMove) {
    // Consumed here, or the move would reach the background and cool the item again.
    if (TAlgoSelectItem* item = ItemOf(watched)) {
      SetHot(item);
      return true;
    }
  } else if (type == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    TAlgoSelectItem* item = ItemOf(watched);
    if (item && me->button() == Qt::LeftButton &&
        static_cast<QWidget*>(watched)->rect().contains(me->position().toPoint())) {
      ItemClick(item);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TAlgoSelectForm::mouseMoveEvent(QMouseEvent* event) {
  SetHot(nullptr);
  QWidget::mouseMoveEvent(event);
}

void TAlgoSelectForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!background_.isNull())
    p.drawImage(0, 0, background_);
  else
    p.fillRect(rect(), kPlainBackground);
  // The separator under the path: a sunken line across the window.
  const int y = SeparatorY();
  p.setPen(QColor(128, 128, 128));
  p.drawLine(margin_, y, width() - margin_, y);
  p.setPen(Qt::white);
  p.drawLine(margin_, y + 1, width() - margin_, y + 1);
}

void TAlgoSelectForm::closeEvent(QCloseEvent* event) {
  // Closing the selection window (退出, its close box, Alt+F4) ends the program, once the
  // user has said so.
  if (!ConfirmExit()) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}

void TAlgoSelectForm::LayoutButtons() {
  const QSize s = screen::Size();
  const int buttonHeight = pitch_ * 3 / 4;
  const QFont kai = LayoutFont(QStringLiteral("楷体_GB2312"), pitch_ / 2, fsBold);
  const QFont times = LayoutFont(QStringLiteral("Times New Roman"), pitch_ * 2 / 5, fsBold);

  helpBtn_ = FlatButton(this, QStringLiteral("帮助"), kai);
  aboutBtn_ = FlatButton(this, QStringLiteral("关于"), kai);
  exitBtn_ = FlatButton(this, QStringLiteral("退出"), kai);
  helpBtn_->setObjectName(QStringLiteral("HelpBtn"));
  aboutBtn_->setObjectName(QStringLiteral("AboutBtn"));
  exitBtn_->setObjectName(QStringLiteral("ExitBtn"));
  connect(exitBtn_, &QAbstractButton::clicked, this, [this] { ExitBtnClick(); });
  // The help and about buttons have no action of their own.
  const int y = s.height() - pitch_ - buttonHeight / 2;
  int x = s.width() - margin_;
  for (QAbstractButton* b : {exitBtn_, aboutBtn_, helpBtn_}) {
    b->adjustSize();
    const int w = std::max(b->width() + 16, side_ * 3 / 2);
    x -= w;
    b->setGeometry(x, y, w, buttonHeight);
    x -= side_ / 3;
  }

  pasBtn_ = FlatButton(this, QStringLiteral("Pascal语言"), times);
  cBtn_ = FlatButton(this, QStringLiteral("C语言"), times);
  pasBtn_->setObjectName(QStringLiteral("PasBtn"));
  cBtn_->setObjectName(QStringLiteral("CBtn"));
  connect(pasBtn_, &QAbstractButton::clicked, this, [this] { PasBtnClick(); });
  connect(cBtn_, &QAbstractButton::clicked, this, [this] { CBtnClick(); });
  auto* pasShape = new TLangShape(this);
  auto* cShape = new TLangShape(this);
  pasShape->OnMouseUp = [this] { PasBtnClick(); };
  cShape->OnMouseUp = [this] { CBtnClick(); };
  pasShape_ = pasShape;
  cShape_ = cShape;
  pasShape_->setObjectName(QStringLiteral("PasShape"));
  cShape_->setObjectName(QStringLiteral("CShape"));
  x = margin_ + side_;
  for (auto [shape, button] : {std::pair<QWidget*, QAbstractButton*>{pasShape_, pasBtn_},
                               std::pair<QWidget*, QAbstractButton*>{cShape_, cBtn_}}) {
    shape->setGeometry(x, y + (buttonHeight - 20) / 2, 20, 20);
    shape->setCursor(Qt::PointingHandCursor);
    button->adjustSize();
    const int w = button->width() + 16;
    button->setGeometry(x + 24, y, w, buttonHeight);
    x += 24 + w + side_;
  }
}
