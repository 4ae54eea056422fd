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

// Moves a window to the middle of the screen (the screen seam's size).
void CenterOnScreen(QWidget& window);
// Where a window of that frame size stands centred on its owner's frame, kept on a screen
// of that size (its top-left corner on the screen when it is larger).
QPoint CentredPlace(QSize frame, const QRect& owner, QSize screenSize);
// Centres a modal window on the window it belongs to (its parent's window, else the active
// window, else the screen), now and again once it has sized itself on being shown (a message
// box lays out its text only then), unless it places itself when shown.
void CentreOnOwner(QWidget& window);
// Moves a window, frame included, as little as needed to lie on the screen.
void KeepOnScreen(QWidget& window);

// Dialogs are designed for a 1024 x 768 screen. On the screen they open on they grow by the
// smaller of the two axes' ratios, never below 1 (a smaller screen keeps the design).
double ScreenScale();
// Sizes a dialog or message window for the screen it opens on and centres it on its owner
// (CentreOnOwner): its controls' places and sizes and its fonts grow by ScreenScale() in
// proportion to its design (once: a later show on the same screen changes nothing), and a
// caption never ends up narrower than its text. Both modal hosts call it before a modal
// window shows; a window that covers the screen is left as it is, and a form that keeps its
// place stays there, moved only onto the screen.
void FitToScreen(QWidget& window);
// The factor FitToScreen gave window, 1 before: code that places or sizes a control of a
// dialog while it is shown multiplies its design numbers by it.
double DialogScale(const QWidget& window);

class TForm;
// Places a modal window itself rather than centring it: sizes it for this screen
// (FitToScreen), then moves it to where place puts a window of its frame's size; the modal
// hosts keep that place when it shows.
void PlaceForScreen(TForm& window, const std::function<QPoint(QSize frame)>& place);

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
  // A window the program moves itself before each modal show (beside a drawing it must not
  // hide): the modal hosts keep that place, moved only as far as the screen needs, instead of
  // centring it.
  bool KeepsPlace() const { return keepsPlace_; }
  void SetKeepsPlace(bool on) { keepsPlace_ = on; }
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
