#pragma once
// Forms as the program's windows expect them: border styles, stay-on-top, centred and
// maximized windows, key preview (the form sees key presses before its focused control),
// modal results, buttons that close their form with a result, and alignment of child
// controls to the edges of their parent. Modal display goes through the modal host.
#include <QDialog>
#include <QPushButton>
#include <functional>

#include "platform/Font.h"
#include "platform/Input.h"

// Modal results, the values the class library used.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8
};

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poScreenCenter };
enum TWindowState { wsNormal, wsMaximized };

// Key handlers. OnKeyDown gets the Qt key code (Qt::Key_F8 ...); setting it to 0 swallows
// the key. OnKeyPress gets the typed character, with Enter as 13, Esc as 27 and Backspace
// as 8; setting it to 0 swallows it, changing it types the new character instead.
using TKeyEvent = std::function<void(int& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(QChar& key)>;

// The character a key press types, as the key-press handlers see it; a null QChar for keys
// that type nothing (function keys, arrows) and for shortcuts with Ctrl or Alt.
QChar KeyChar(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// Lets form see every key press meant for itself or any control inside it before that
// control does (the form's "key preview"). Either handler may be empty. The preview ends
// when the form is destroyed; calling it again replaces the handlers.
void InstallKeyPreview(QWidget& form, TKeyEvent onKeyDown, TKeyPressEvent onKeyPress);

// A hint "short|long" shows its short part as the tool tip; an empty hint shows none.
void SetHint(QWidget& control, const QString& hint);

// Gives a control a font of the program (name, height, style) and its colour when enabled
// (disabled, it is grey).
void ApplyFont(QWidget& control, const TFont& font);
// The least height, in pixels, of letters a class reads from the back of the room.
constexpr int kLegiblePixels = 13;
// The least height on this screen: kLegiblePixels, 16 on a screen 1920 pixels wide or more.
int LegiblePixels();
// The least height in the window holding control: as a window made smaller than the screen
// is looked at from nearer, LegiblePixels() scaled by the smaller of its shares of the
// screen's width and height (never more than that, at least 1).
int LegiblePixels(const QWidget& control);
// Lifts the font a window and the controls that inherit it write in to at least px pixels
// (the application's is 12); a dialog calls it before it is fitted to the screen.
void RaiseFont(QWidget& window, int px = kLegiblePixels);

// Where a window of that frame size stands centred on its owner's frame, kept on a screen
// of that size (its top-left corner on the screen when it is larger).
QPoint CentredPlace(QSize frame, const QRect& owner, QSize screenSize);
// Centres a modal window on the window it belongs to (its parent's window, else the active
// window, else the screen), now and again once it has sized itself on being shown (a message
// box lays out its text only then), unless it places itself when shown.
void CentreOnOwner(QWidget& window);

// Where a window the program places itself stands: the top-left corner of a window of that
// frame size, given the area it keeps to (the window it opens over, as far as that lies on
// the screen).
using TPlacement = std::function<QPoint(QSize frame, const QRect& area)>;
// The area a modal window keeps to: the frame of the window it opens over (its parent's
// window, else the active window) cut to the screen; the screen when it opens over none.
QRect OwnerArea(const QWidget& window);
// Where a window of that frame size at `at` stands moved as little as needed to lie in area
// (its top-left corner in it where it is larger); KeepInside moves it there.
QPoint KeptInside(QPoint at, QSize frame, const QRect& area);
void KeepInside(QWidget& window, const QRect& area);
// Puts a modal window where it belongs over the window it opens over: where its placement
// puts it, centred on that window if it was centred when it opened, else kept inside it. The
// modal hosts call it when the window shows (FitToScreen) and again whenever the window it
// opens over is resized or moved while it is open: a teacher who fits the program to a
// projector keeps a result window beside its drawing and a message in the middle.
void PlaceOverOwner(QWidget& window);

// Dialogs are designed for a 1024 x 768 screen. Over a larger window they grow by the
// smaller of the two axes' ratios, never below 1 (a smaller window keeps the design):
// AreaScale of the window they open over, ScreenScale while it fills the screen.
double AreaScale(QSize area);
double ScreenScale();
// Sizes a dialog or message window for the window it opens over (OwnerArea) and places it
// there (PlaceOverOwner: centred, unless it keeps a place of its own): its controls' places and
// sizes and its fonts grow by AreaScale in proportion to its design (a later show over a window
// of the same size changes nothing), and a caption never ends up narrower than its text. Both
// modal hosts call it before a modal window shows; from then on, while it is shown, it is
// fitted again whenever that window is resized or moved, so that it keeps its place in it and
// its size for it. A window that covers the screen is left as it is.
void FitToScreen(QWidget& window);
// The factor FitToScreen gave window, 1 before: code that places or sizes a control of a
// dialog while it is shown multiplies its design numbers by it.
double DialogScale(const QWidget& window);

class TForm;
// Places a modal window itself rather than centring it: sizes it for this screen
// (FitToScreen), then moves it to where place puts a window of its frame's size over the
// area it keeps to (OwnerArea); the modal hosts put it there again when it shows and when
// that area changes while it is open.
void PlaceForScreen(TForm& window, TPlacement place);

// A window of the program. It is a QDialog so that any form can be shown modally through
// the modal host; as a main window it is shown with show().
class TForm : public QDialog {
 public:
  explicit TForm(QWidget* parent = nullptr);

  QString Caption() const { return windowTitle(); }
  void SetCaption(const QString& caption) { setWindowTitle(caption); }
  int ClientWidth() const { return width(); }
  int ClientHeight() const { return height(); }
  void SetClientSize(int width, int height);
  // A dialog as the input dialogs are: named objectName (scripts find it so), with its
  // caption, a fixed border and this client size, centred on the screen whenever shown.
  void SetUpDialog(const QString& objectName, const QString& caption, int clientWidth, int clientHeight);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  // poScreenCenter: centred on the screen every time it is shown.
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // A window the program places itself (beside a drawing it must not hide): the modal hosts
  // keep it there, moved only as far as the window it opens over needs, instead of centring
  // it; with a placement (PlaceForScreen), where that puts it at each show and each change of
  // that window.
  bool KeepsPlace() const { return keepsPlace_ || placement_ != nullptr; }
  void SetKeepsPlace(bool on) { keepsPlace_ = on; }
  const TPlacement& Placement() const { return placement_; }
  void SetPlacement(TPlacement place) { placement_ = std::move(place); }
  // Told after the window was moved again because the window it opens over changed.
  virtual void PlacedAgain() {}
  // wsMaximized: covers the whole screen when shown.
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);

  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on);
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;

  // Shows the form modally through the modal host and returns its modal result.
  int ShowModal();
  // A design length at the size the form was given for its screen (DialogScale).
  int Scaled(int designLength) const;
  // Setting a result other than mrNone closes a modal form with it. Inside the click of a
  // TButton the form closes only after the click handler ran, so a handler that finds the
  // input wrong sets mrNone again and the form stays open.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);

  void done(int result) override;
  void reject() override { done(mrCancel); }

 protected:
  void showEvent(QShowEvent* event) override;
  // Esc presses the form's cancel button when it has one and otherwise does nothing;
  // Enter presses the default button.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class TButton;
  void ApplyWindowFlags();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  bool keyPreview_ = false;
  bool keepsPlace_ = false;
  TPlacement placement_;
  int modalResult_ = mrNone;
  int clickDepth_ = 0;
};

// A push button. Clicking it sets its form's modal result to ModalResult, runs OnClick and
// then, unless the handler set the result back to mrNone, closes the form with it. A
// Default button is pressed by Enter, a Cancel button by Esc.
class TButton : public QPushButton {
 public:
  explicit TButton(const QString& caption = QString(), QWidget* parent = nullptr);

  int ModalResult = mrNone;
  bool Cancel = false;
  int Tag = 0;
  std::function<void()> OnClick;

  void SetDefault(bool on) { setDefault(on); }

 protected:
  // Disabled, the caption is greyed whatever colours the palette was given.
  void paintEvent(QPaintEvent* event) override;

 private:
  void Clicked();
};

// Alignment of a control to its parent's edges. Controls aligned to the top are stacked
// from the top in the order of their positions, then those at the bottom, left and right,
// and a client-aligned control takes the rest. The parent's contents margins (a panel's
// bevels and border) are left free. Hidden controls take no room. The layout follows every
// resize of the parent and every size change, show or hide of an aligned control.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
void SetAlign(QWidget& control, TAlign align);
TAlign Align(const QWidget& control);
// Lays out the aligned children of parent now.
void RealignChildren(QWidget& parent);
