#pragma once
// The demonstration window: a borderless, maximized window with a painted caption line and
// thirteen toolbar buttons across the top, a small breakpoint panel, and below the toolbar
// the running demonstration's windows docked into one split-window frame. It starts a
// demonstration by name, owns it (CurrentDemo), maps buttons and keys to the engine's run
// modes, keeps the breakpoints, applies the colour theme and builds the backdrop, plays the
// background music, and offers the docking routines every demonstration's SetWindowRect
// calls.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "framework/engine/DemoViews.h"
#include "framework/shell/OptionsForm.h"
#include "framework/shell/AlgoForm.h"
#include "framework/shell/SelectionHost.h"
#include "framework/shell/ShellWindows.h"
#include "framework/shell/SplitWnds.h"
#include "framework/shell/VarForm.h"
#include "framework/shell/ToolbarLayout.h"
#include "platform/Bitmap.h"
#include "platform/MidiPlayer.h"

class QFrame;
class TSpeedButton;
class TAlgoDemo;
class TCanvasWidget;
class TZqThemes;

class TMainForm : public QWidget,
                  public IRunToolbar,
                  public IDemoHost,
                  public IOptionsOwner,
                  public SelectionHost {
  Q_OBJECT
 public:
  // Dock modes: which frame the demonstration's windows are docked into.
  enum { DockNone = 0, DockOne = 1, DockThree = 2, DockThreeB = 3, DockTwo = 4 };

  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // ---- Starting a demonstration
  // Starts the demonstration by name in the chosen language; on any failure the window
  // stays, empty, with only its return button enabled.
  void StartDemo(const QString& name, bool useC) override;
  // Asks the current demonstration for new input (its dialog over the bare toolbar).
  bool InputData();
  // Makes themes (the default theme for none) current and builds the backdrop.
  void ApplyThemes(TZqThemes* themes);
  void ClearThemes();
  // Frees the current demonstration, its windows and its frame.
  void FreeDemo();

  // ---- Docking, for a demonstration's SetWindowRect. Percentages are 0 .. 100. A routine
  // docks only when nothing is docked yet; called again it only changes the pane sizes.
  // One pane.
  void DockOnePane(QWidget* form);
  // First on the left (WidthPct of the width), second top right (HeightPct of the height),
  // third bottom right.
  void DockThreePanes(QWidget* first, int widthPct, QWidget* second, int heightPct, QWidget* third);
  // First on top (HeightPct of the height), second bottom left (WidthPct of the width),
  // third bottom right.
  void DockThreePanesB(QWidget* first, int heightPct, QWidget* second, int widthPct, QWidget* third);
  // First on the left (WidthPct of the width), second on the right.
  void DockTwoPanes(QWidget* first, int widthPct, QWidget* second);
  // Frees the frame (the docked windows are taken out of it first).
  void Undock();
  int DockMode() const { return dockMode_; }
  TSplitWnds* DockFrame() const { return dockFrame_; }

  // ---- Toolbar and caption line
  void DrawCaption(const QString& text) override;
  const ToolbarLayout& Layout() const { return layout_; }
  // The button of a tag 1 .. 13.
  TSpeedButton* Buttons(int tag) const { return buttons_.at(static_cast<std::size_t>(tag)); }
  QWidget* ToolBar() const { return toolBar_; }
  QWidget* CaptionBox() const { return captionBox_; }
  QWidget* BreakPointPanel() const { return breakPointPanel_; }
  QFrame* TbBevel(int i) const { return i == 1 ? tbBevel1_ : tbBevel2_; }
  const QImage& CaptionImage() const { return captionImage_; }

  // ---- Button handlers (tags 1 .. 13), then the breakpoint panel's buttons
  void AlgDataClick();
  void CallStackClick();
  void DemoDescriptClick();
  void DemoStopBtnClick();
  void DemoRunClick();
  void StepOverClick();
  void TraceIntoClick();
  void RunToCursorClick();
  void ResetRunClick();
  void BreakPntBtnClick();
  void SetBtnClick();
  void ReturnBtnClick();
  void SetBreakPointBtnClick();
  void ClearBreakPointsBtnClick();
  void ExitBreakPointBtnClick();

  // ---- Music and options
  bool MusicOn() const override { return musicOn_; }
  TMidiPlayer& MidiPlayer() { return midiPlayer_; }
  bool SoundOn() const override { return soundOn_; }
  void SetMusic(bool on) override;
  void SetSoundOn(bool on) override { soundOn_ = on; }
  // The active popup is the drawing kit's ActivePopup (the message window sets it too).
  void SetActivePopup(QDialog* popup) override;
  // Closes the active popup when the application loses the focus.
  void AppDeactivate();

  // ---- What the engine asks of the window
  void EnableButton(ToolButton button, bool enabled) override;
  void CreateChildWindows() override;
  void DestroyChildWindows() override;
  bool TakeEscape() override;

  // ---- What the selection window asks of it
  void DisableButtons() override;
  void ShowMainForm() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  // Makes the toolbar's controls; PlaceToolbar lays them out for the window's size.
  void LayoutToolbar();
  void PlaceToolbar();
  void CreateBreakPointPanel();
  void FillToolbarImage(const TBitmap& picture);
  QRect DockArea() const;
  // Creates the frame of a dock mode and places it; false when another frame is docked.
  template <class Frame>
  Frame* FrameFor(int mode);
  void Dock(int pane, QWidget* form);
  // Starts a run mode of the demonstration (without one, as the return button).
  void RunMode(void (TAlgoDemo::*mode)());
  // Whether a run mode may start: a demonstration is loaded (else as the return button).
  bool HaveDemo();

  ToolbarLayout layout_;
  QWidget* toolBar_ = nullptr;
  TCanvasWidget* toolBarBkImage_ = nullptr;
  QWidget* captionBox_ = nullptr;
  QFrame* tbBevel1_ = nullptr;
  QFrame* tbBevel2_ = nullptr;
  std::array<TSpeedButton*, ToolbarLayout::ButtonCount + 1> buttons_{};
  QWidget* breakPointPanel_ = nullptr;
  TBitmap captionBitmap_;
  QImage captionImage_;  // the caption bitmap with its gray see-through
  QString captionText_;  // drawn again when the caption line changes size

  std::unique_ptr<TAlgoDemo> demo_;
  std::unique_ptr<TAlgorithmForm> algorithmForm_;
  std::unique_ptr<TVariableForm> variableForm_;
  int dockMode_ = DockNone;
  QPointer<TSplitWnds> dockFrame_;

  std::unique_ptr<TOptionsForm> options_;  // made when first asked for
  TMidiPlayer midiPlayer_;
  bool musicOn_ = false;
  bool soundOn_ = false;
  bool escapePressed_ = false;
  bool returnAfterRun_ = false;  // closed during a run: back to the selection once it stops
};
