#include "platform/Forms.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QVariant>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/ModalHost.h"
#include "platform/PaintRecord.h"
#include "platform/Screen.h"

QChar KeyChar(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return {};
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(13);
    case Qt::Key_Escape: return QChar(27);
    case Qt::Key_Backspace: return QChar(8);
    default: break;
  }
  if (!text.isEmpty() && text[0].isPrint()) return text[0];
  return {};
}

namespace {

// Sees key presses bound for a form's controls before they do. It takes the event, runs
// the form's handlers and, unless they swallowed the key, delivers it again with itself
// stood aside, so that the event's usual way up the parent chain is kept.
class KeyPreviewFilter final : public QObject {
 public:
  explicit KeyPreviewFilter(QWidget& form) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("KeyPreview"));
    qApp->installEventFilter(this);
  }
  TKeyEvent onKeyDown;
  TKeyPressEvent onKeyPress;

  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (delivering_ || event->type() != QEvent::KeyPress || !receiver->isWidgetType()) return false;
    auto* target = static_cast<QWidget*>(receiver);
    if (target != &form_ && !form_.isAncestorOf(target)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (onKeyDown) {
      int code = key->key();
      onKeyDown(code, ShiftFromQt(key->modifiers(), QApplication::mouseButtons()));
      if (code == 0) return Swallow(*event);
    }
    QString text = key->text();
    if (onKeyPress) {
      const QChar typed = KeyChar(key->key(), key->modifiers(), text);
      if (!typed.isNull()) {
        QChar c = typed;
        onKeyPress(c);
        if (c.isNull()) return Swallow(*event);
        if (c != typed) text = QString(c);
      }
    }
    QPointer<QObject> alive(this);
    QKeyEvent again(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                    key->nativeVirtualKey(), key->nativeModifiers(), text, key->isAutoRepeat(),
                    static_cast<quint16>(key->count()));
    delivering_ = true;
    QCoreApplication::sendEvent(target, &again);
    if (alive) delivering_ = false;
    // The delivery above already went up the parent chain; the original stops here.
    return Swallow(*event);
  }

 private:
  static bool Swallow(QEvent& event) {
    event.accept();
    return true;
  }

  QWidget& form_;
  bool delivering_ = false;
};

const char* const kAlignProperty = "velkoraAlign";

// Keeps the aligned children of one parent laid out.
class Aligner final : public QObject {
 public:
  explicit Aligner(QWidget& parent) : QObject(&parent), parent_(parent) {
    setObjectName(QStringLiteral("Aligner"));
    parent.installEventFilter(this);
  }

  void Watch(QWidget& child) { child.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Resize:
      case QEvent::ShowToParent:
      case QEvent::HideToParent:
      case QEvent::ContentsRectChange:
      case QEvent::ChildRemoved:
        if (watched == &parent_ || Align(*static_cast<QWidget*>(watched)) != alNone) Realign();
        break;
      default: break;
    }
    return false;
  }

  void Realign() {
    if (busy_) return;
    busy_ = true;
    QRect client = parent_.contentsRect();
    int left = client.x(), top = client.y();
    int right = left + client.width(), bottom = top + client.height();
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
      std::vector<QWidget*> list;
      for (QObject* o : parent_.children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !w->isHidden() && Align(*w) == kind) list.push_back(w);
      }
      auto key = [kind](const QWidget* w) {
        switch (kind) {
          case alTop: return w->y();
          case alBottom: return -(w->y() + w->height());
          case alLeft: return w->x();
          case alRight: return -(w->x() + w->width());
          default: return 0;
        }
      };
      std::stable_sort(list.begin(), list.end(),
                       [&key](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
      for (QWidget* w : list) {
        const int width = std::max(0, right - left), height = std::max(0, bottom - top);
        switch (kind) {
          case alTop:
            w->setGeometry(left, top, width, w->height());
            top += w->height();
            break;
          case alBottom:
            w->setGeometry(left, bottom - w->height(), width, w->height());
            bottom -= w->height();
            break;
          case alLeft:
            w->setGeometry(left, top, w->width(), height);
            left += w->width();
            break;
          case alRight:
            w->setGeometry(right - w->width(), top, w->width(), height);
            right -= w->width();
            break;
          default: w->setGeometry(left, top, width, height); break;
        }
      }
    }
    busy_ = false;
  }

 private:
  QWidget& parent_;
  bool busy_ = false;
};

Aligner* AlignerOf(QWidget& parent, bool create) {
  if (auto* a = parent.findChild<Aligner*>(QStringLiteral("Aligner"), Qt::FindDirectChildrenOnly))
    return a;
  return create ? new Aligner(parent) : nullptr;
}

}  // namespace

void InstallKeyPreview(QWidget& form, TKeyEvent onKeyDown, TKeyPressEvent onKeyPress) {
  auto* filter = form.findChild<KeyPreviewFilter*>(QStringLiteral("KeyPreview"),
                                                   Qt::FindDirectChildrenOnly);
  if (!filter) filter = new KeyPreviewFilter(form);
  filter->onKeyDown = std::move(onKeyDown);
  filter->onKeyPress = std::move(onKeyPress);
}

void SetHint(QWidget& control, const QString& hint) {
  control.setToolTip(hint.section('|', 0, 0));
}

void ApplyFont(QWidget& control, const TFont& font) {
  control.setFont(font.ToQFont());
  QPalette p = control.palette();
  const QColor c = ToQColor(font.Color);
  // The colour is the enabled look; a disabled control stays grey, as the window system
  // draws it, so that it never looks like one that can be used.
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    p.setColor(QPalette::Active, role, c);
    p.setColor(QPalette::Inactive, role, c);
    p.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
  }
  control.setPalette(p);
}

int LegiblePixels() { return screen::Width() >= 1920 ? 16 : kLegiblePixels; }

int LegiblePixelsIn(const QWidget& widget) {
  const QWidget& window = *widget.window();
  const double share = std::min({1.0, window.width() / static_cast<double>(std::max(1, screen::Width())),
                                 window.height() / static_cast<double>(std::max(1, screen::Height()))});
  return std::max(1, static_cast<int>(std::floor(LegiblePixels() * share)));
}

void RaiseFont(QWidget& window, int px) {
  QFont font = window.font();
  if (QFontInfo(font).pixelSize() >= px) return;
  font.setPixelSize(px);
  window.setFont(font);
}

QPoint CentredPlace(QSize frame, const QRect& owner, QSize screenSize) {
  const auto axis = [](int ownerStart, int ownerLength, int length, int screenLength) {
    return std::clamp(ownerStart + (ownerLength - length) / 2, 0, std::max(screenLength - length, 0));
  };
  return {axis(owner.x(), owner.width(), frame.width(), screenSize.width()),
          axis(owner.y(), owner.height(), frame.height(), screenSize.height())};
}

namespace {

const char* const kCentredProperty = "velkoraCentred";

// The windows that were active, the latest last, each once. Between two modal windows the
// window system may leave none active for a while; a window opening then belongs to the
// latest still shown.
class ActiveWindows final : public QObject {
 public:
  static ActiveWindows& Get() {
    static auto* watcher = new ActiveWindows;  // lives as long as the application
    return *watcher;
  }

  QWidget* Latest(const QWidget& besides) {
    Note(QApplication::activeWindow());
    for (auto it = recent_.rbegin(); it != recent_.rend(); ++it)
      if (*it && *it != &besides && (*it)->isVisible()) return *it;
    return nullptr;
  }

 private:
  ActiveWindows() : QObject(qApp) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { Note(QApplication::activeWindow()); });
  }

  void Note(QWidget* window) {
    if (window == nullptr) return;
    std::erase_if(recent_, [window](const QPointer<QWidget>& w) { return w.isNull() || w == window; });
    recent_.push_back(window);
  }

  std::vector<QPointer<QWidget>> recent_;
};

// While its window is shown, puts it in its place again whenever the window it opens over is
// resized or moved (a window dragged to fit a projector, maximised, restored).
class FollowOwner final : public QObject {
 public:
  explicit FollowOwner(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

  QWidget* Owner() const { return owner_; }
  void SetOwner(QWidget* owner) {
    if (owner_ == owner) return;
    if (owner_) owner_->removeEventFilter(this);
    owner_ = owner;
    if (owner_ && window_.isVisible()) owner_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_) {
      if (event->type() == QEvent::Show && owner_) owner_->installEventFilter(this);
      else if (event->type() == QEvent::Hide && owner_) owner_->removeEventFilter(this);
    } else if (watched == owner_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
               window_.isVisible() && !pending_) {
      // Once the owner has laid out its contents for the new size: a placement beside a
      // drawing needs the drawing where it now stands.
      pending_ = true;
      QTimer::singleShot(0, this, [this] { Refit(); });
    }
    return false;
  }

 private:
  void Refit() {
    pending_ = false;
    if (!window_.isVisible()) return;
    const QRect before = window_.geometry();
    FitToScreen(window_);
    if (auto* form = dynamic_cast<TForm*>(&window_); form && window_.geometry() != before) form->PlacedAgain();
  }

  QWidget& window_;
  QPointer<QWidget> owner_;
  bool pending_ = false;
};

FollowOwner* FollowerOf(const QWidget& window) {
  for (QObject* child : window.children())
    if (auto* f = dynamic_cast<FollowOwner*>(child)) return f;
  return nullptr;
}

// The window a modal window opens over: its parent's window, else the one active latest.
QWidget* FreshOwnerOf(const QWidget& window) {
  if (QWidget* parent = window.parentWidget()) return parent->window();
  return ActiveWindows::Get().Latest(window);
}

// The same, as it was when the window was last fitted to show (FitToScreen).
QWidget* OwnerOf(const QWidget& window) {
  if (const FollowOwner* follow = FollowerOf(window); follow && follow->Owner()) return follow->Owner();
  return FreshOwnerOf(window);
}

QRect AreaOf(const QWidget* owner) {
  const QRect screen(QPoint(0, 0), screen::Size());
  if (owner == nullptr) return screen;
  const QRect area = owner->frameGeometry() & screen;
  return area.isEmpty() ? screen : area;
}

QSize FrameSize(const QWidget& window) {
  return window.isVisible() || window.testAttribute(Qt::WA_WState_Created) ? window.frameGeometry().size()
                                                                             : window.size();
}

void CentreOn(QWidget& window, const QWidget* owner) {
  const QRect area = owner != nullptr ? owner->frameGeometry() : QRect(QPoint(0, 0), screen::Size());
  window.move(CentredPlace(FrameSize(window), area, screen::Size()));
  window.setProperty(kCentredProperty, true);
}

// Lets the window handle its show event first (sizing itself), then centres it before the
// window system maps it, unless it has moved itself meanwhile.
class CentreWhenShown final : public QObject {
 public:
  CentreWhenShown(QWidget& window, QWidget* owner) : QObject(&window), owner_(owner) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || watched != parent()) return false;
    auto& window = static_cast<QWidget&>(*watched);
    window.removeEventFilter(this);
    const QPoint placed = window.pos();
    window.setProperty(kCentredProperty, QVariant());
    QCoreApplication::sendEvent(&window, event);
    // A window that places itself on being shown (a keypad under its cell) keeps its place;
    // one that centres itself then is centred.
    if (window.pos() == placed) CentreOn(window, owner_);
    else if (!window.property(kCentredProperty).isValid()) window.setProperty(kCentredProperty, false);
    deleteLater();
    return true;
  }

 private:
  QPointer<QWidget> owner_;
};

void Follow(QWidget& window) {
  FollowOwner* follow = FollowerOf(window);
  if (follow == nullptr) follow = new FollowOwner(window);
  // Fitted again while shown, it stays with the window it opened over.
  if (!window.isVisible() || follow->Owner() == nullptr) follow->SetOwner(FreshOwnerOf(window));
}

}  // namespace

void CentreOnOwner(QWidget& window) {
  QWidget* owner = OwnerOf(window);
  CentreOn(window, owner);
  if (window.isVisible()) return;
  const QObjectList& children = window.children();
  const bool waiting = std::any_of(children.begin(), children.end(),
                                   [](const QObject* c) { return dynamic_cast<const CentreWhenShown*>(c) != nullptr; });
  if (!waiting) new CentreWhenShown(window, owner);
}

QRect OwnerArea(const QWidget& window) {
  // A window opened over another modal window keeps to the window that one opened over.
  const QWidget* owner = OwnerOf(window);
  for (int hops = 0; owner != nullptr && hops < 8; ++hops) {
    const FollowOwner* follow = FollowerOf(*owner);
    if (follow == nullptr || follow->Owner() == nullptr || !owner->isVisible()) break;
    owner = follow->Owner();
  }
  return AreaOf(owner);
}

QPoint KeptInside(QPoint at, QSize frame, const QRect& area) {
  return {std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
          std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()))};
}

void KeepInside(QWidget& window, const QRect& area) {
  window.move(KeptInside(window.frameGeometry().topLeft(), FrameSize(window), area));
}

void PlaceOverOwner(QWidget& window) {
  const auto* form = dynamic_cast<const TForm*>(&window);
  if (form != nullptr && form->Placement()) {
    window.move(form->Placement()(FrameSize(window), OwnerArea(window)));
  } else if (form != nullptr && form->KeepsPlace()) {
    KeepInside(window, OwnerArea(window));
  } else if (!window.isVisible()) {
    CentreOnOwner(window);
  } else if (window.property(kCentredProperty).toBool()) {
    CentreOn(window, OwnerOf(window));
  } else {
    KeepInside(window, OwnerArea(window));  // it placed itself when shown
  }
}

// --- Dialogs sized for their screen

namespace {

const char* const kScaleProperty = "velkoraDialogScale";
constexpr int kDesignScreenWidth = 1024;
constexpr int kDesignScreenHeight = 768;

int ScaledLength(int v, double r) { return static_cast<int>(std::lround(v * r)); }

QSize ScaledSize(QSize s, double r) {
  auto one = [r](int v) { return v >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : ScaledLength(v, r); };
  return {one(s.width()), one(s.height())};
}

// The font's size grows when the widget set it; one it only inherits grows with its parent.
void ScaleFont(QWidget& w, double r) {
  if (!w.testAttribute(Qt::WA_SetFont) || !(w.font().resolveMask() & QFont::SizeResolved)) return;
  QFont f = w.font();
  if (f.pixelSize() > 0) f.setPixelSize(std::max(1, ScaledLength(f.pixelSize(), r)));
  else f.setPointSizeF(f.pointSizeF() * r);
  w.setFont(f);
}

void ScaleLimits(QWidget& w, double r) {
  const QSize least = w.minimumSize(), most = w.maximumSize();
  w.setMinimumSize(ScaledSize(least, r));
  w.setMaximumSize(ScaledSize(most, r));
}

void ScaleChildren(QWidget& parent, double r) {
  const bool laidOut = parent.layout() != nullptr;  // the layout places them
  for (QObject* o : parent.children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isWindow()) continue;
    ScaleFont(*w, r);
    if (!laidOut) {
      ScaleLimits(*w, r);
      const QRect g = w->geometry();
      w->setGeometry(ScaledLength(g.x(), r), ScaledLength(g.y(), r), ScaledLength(g.width(), r),
                     ScaledLength(g.height(), r));
      // A caption rounded a pixel short of its text would lose a letter.
      if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && !label->hasScaledContents()) {
        const QSize need = label->sizeHint();
        if (label->width() < need.width() || label->height() < need.height())
          label->resize(std::max(label->width(), need.width()), std::max(label->height(), need.height()));
      }
    }
    ScaleChildren(*w, r);
  }
}

}  // namespace

double AreaScale(QSize area) {
  const double r = std::min(static_cast<double>(area.width()) / kDesignScreenWidth,
                            static_cast<double>(area.height()) / kDesignScreenHeight);
  return std::max(1.0, r);
}

double ScreenScale() { return AreaScale(screen::Size()); }

double DialogScale(const QWidget& window) {
  const QVariant v = window.property(kScaleProperty);
  return v.isValid() ? v.toDouble() : 1.0;
}

void FitToScreen(QWidget& window) {
  if (auto* form = dynamic_cast<TForm*>(&window); form && form->WindowState() == wsMaximized) return;
  Follow(window);
  const double want = AreaScale(OwnerArea(window).size());
  const double r = want / DialogScale(window);
  if (std::abs(r - 1.0) > 1e-9) {
    window.setProperty(kScaleProperty, want);
    if (window.testAttribute(Qt::WA_SetFont)) {
      ScaleFont(window, r);
    } else {
      QFont f = window.font();  // the application's: the controls that inherit it grow too
      if (f.pixelSize() > 0) f.setPixelSize(ScaledLength(f.pixelSize(), r));
      else f.setPointSizeF(f.pointSizeF() * r);
      window.setFont(f);
    }
    ScaleChildren(window, r);
    ScaleLimits(window, r);
    window.resize(ScaledSize(window.size(), r));
  }
  PlaceOverOwner(window);
}

void PlaceForScreen(TForm& window, TPlacement place) {
  window.SetPosition(poDesigned);
  window.SetPlacement(std::move(place));
  window.winId();  // its frame is known before it is first shown
  FitToScreen(window);
}

int TForm::Scaled(int designLength) const { return ScaledLength(designLength, DialogScale(*this)); }

// --- TForm

TForm::TForm(QWidget* parent) : QDialog(parent) { ApplyWindowFlags(); }

void TForm::ApplyWindowFlags() {
  Qt::WindowFlags flags;
  switch (borderStyle_) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog:
      flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      break;
    case bsToolWindow: flags = Qt::Tool; break;
    case bsSingle:
    case bsSizeable: flags = Qt::Window; break;
  }
  if (formStyle_ == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
  const bool visible = isVisible();
  setWindowFlags(flags);
  if (visible) show();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle style) {
  formStyle_ = style;
  ApplyWindowFlags();
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (state == wsMaximized && isVisible()) setGeometry(QRect(QPoint(0, 0), screen::Size()));
}

void TForm::SetClientSize(int width, int height) {
  if (borderStyle_ == bsDialog || borderStyle_ == bsSingle) setFixedSize(width, height);
  else resize(width, height);
}

void TForm::SetKeyPreview(bool on) {
  keyPreview_ = on;
  if (on) {
    InstallKeyPreview(
        *this, [this](int& key, TShiftState shift) { if (keyPreview_ && OnKeyDown) OnKeyDown(key, shift); },
        [this](QChar& key) { if (keyPreview_ && OnKeyPress) OnKeyPress(key); });
  }
}

void TForm::SetUpDialog(const QString& objectName, const QString& caption, int clientWidth,
                        int clientHeight) {
  setObjectName(objectName);
  SetCaption(caption);
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(clientWidth, clientHeight);
}

int TForm::ShowModal() {
  modalResult_ = mrNone;
  return modal::Current().ExecDialog(*this);
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && clickDepth_ == 0 && isVisible()) done(result);
}

void TForm::done(int result) {
  modalResult_ = result;
  QDialog::done(result);
}

void TForm::showEvent(QShowEvent* event) {
  // Centred on the window it opens over: the screen's middle while that window fills it.
  if (windowState_ == wsMaximized) setGeometry(QRect(QPoint(0, 0), screen::Size()));
  else if (position_ == poScreenCenter) CentreOn(*this, OwnerOf(*this));
  if (borderStyle_ == bsDialog || borderStyle_ == bsSingle) setFixedSize(size());
  QDialog::showEvent(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
    QDialog::keyPressEvent(event);
    return;
  }
  for (TButton* b : findChildren<TButton*>()) {
    if (b->Cancel && b->isVisible() && b->isEnabled()) {
      b->click();
      return;
    }
  }
  event->ignore();
}

// --- TButton

TButton::TButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  connect(this, &QPushButton::clicked, this, [this] { Clicked(); });
}

void TButton::paintEvent(QPaintEvent* event) {
  // Enabled, the style draws the caption in the palette's colours, as the button reports it;
  // disabled, the caption drawn here is what it shows.
  paintrecord::BeginPaint(this);
  if (isEnabled()) {
    QPushButton::paintEvent(event);
    return;
  }
  QStylePainter p(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  const QIcon glyph = option.icon;
  option.text.clear();
  option.icon = QIcon();
  p.drawControl(QStyle::CE_PushButton, option);
  QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  int align = Qt::AlignCenter;
  if (!glyph.isNull()) {
    // The glyph stands before the caption, the two centred together as on an enabled button.
    const QSize size = option.iconSize;
    const int gap = caption.isEmpty() ? 0 : 4;
    const int total = size.width() + gap + option.fontMetrics.horizontalAdvance(QString(caption).remove('&'));
    const int left = r.center().x() - total / 2;
    p.drawPixmap(left, r.center().y() - size.height() / 2, glyph.pixmap(size, QIcon::Disabled));
    r.setLeft(left + size.width() + gap);
    align = Qt::AlignLeft | Qt::AlignVCenter;
  }
  DrawGrayedText(p, r, align | Qt::TextShowMnemonic, caption);
  paintrecord::AddPainterText(this, p, r, align | Qt::TextShowMnemonic, QString(caption).remove(QLatin1Char('&')));
}

void TButton::Clicked() {
  TForm* form = nullptr;
  for (QWidget* w = parentWidget(); w && !form; w = w->parentWidget()) form = dynamic_cast<TForm*>(w);
  if (!form) {
    if (OnClick) OnClick();
    auto* dialog = qobject_cast<QDialog*>(window());
    if (dialog && ModalResult != mrNone) dialog->done(ModalResult);
    return;
  }
  QPointer<TForm> alive(form);
  form->modalResult_ = ModalResult;
  ++form->clickDepth_;
  struct Leave {
    QPointer<TForm>& form;
    ~Leave() {
      if (form) --form->clickDepth_;
    }
  } leave{alive};
  if (OnClick) OnClick();
  if (alive && alive->clickDepth_ == 1 && alive->modalResult_ != mrNone && alive->isVisible())
    alive->done(alive->modalResult_);
}

// --- Alignment

void SetAlign(QWidget& control, TAlign align) {
  control.setProperty(kAlignProperty, static_cast<int>(align));
  QWidget* parent = control.parentWidget();
  if (!parent) return;
  Aligner* aligner = AlignerOf(*parent, align != alNone);
  if (!aligner) return;
  aligner->Watch(control);
  aligner->Realign();
}

TAlign Align(const QWidget& control) {
  const QVariant v = control.property(kAlignProperty);
  return v.isValid() ? static_cast<TAlign>(v.toInt()) : alNone;
}

void RealignChildren(QWidget& parent) {
  if (Aligner* a = AlignerOf(parent, false)) a->Realign();
}
