#include "framework/shell/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QScopeGuard>

#include "framework/drawkit/KitGlobals.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/AlgoSrc.h"
#include "framework/engine/Globals.h"
#include "framework/shell/AlgoSelect.h"
#include "framework/shell/CallStackForm.h"
#include "framework/shell/DemoDescriptForm.h"
#include "framework/shell/OptionsForm.h"
#include "framework/shell/SplitWnds.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/ModalHost.h"
#include "platform/PaintBox.h"
#include "platform/Screen.h"
#include "platform/TextRules.h"
#include "resources/PictureNames.h"

namespace {

struct ButtonDef {
  const char* name;
  const char* caption;
  const char* hint;  // shown for buttons 1, 3, 9, 11 and 13 only
};

// By tag 1 .. 13.
constexpr ButtonDef kButtons[ToolbarLayout::ButtonCount] = {
    {"AlgDataBtn", "数据", "输入数据"},
    {"CallStackBtn", "调用栈", nullptr},
    {"DescBtn", "说明", "算法说明"},
    {"DemoStopBtn", "暂停", nullptr},
    {"DemoRunBtn", "执行", nullptr},
    {"StepOverBtn", "单步", nullptr},
    {"TraceIntoBtn", "跟踪", nullptr},
    {"RunToCursorBtn", "执行到", nullptr},
    {"DemoResetBtn", "恢复", "重新开始"},
    {"BreakPntBtn", "断点", nullptr},
    {"SetBtn", "设置", "设置选项"},
    {"HelpBtn", "帮助", nullptr},
    {"ReturnBtn", "返回", "选择其他算法"},
};

int Tag(ToolButton b) { return static_cast<int>(b); }

// A picture filling its control, stretched.
class TStretchImage : public TCanvasWidget {
 public:
  using TCanvasWidget::TCanvasWidget;
  TBitmap Picture;

 protected:
  void Paint() override {
    if (Picture.Empty()) {
      TCanvasWidget::Paint();
    } else {
      Canvas().StretchDraw(ClientRect(), Picture);
    }
  }
};

// The caption line: the caption bitmap drawn over the toolbar's picture, its gray left out.
class TCaptionBox : public QWidget {
 public:
  TCaptionBox(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_);
  }

 private:
  const QImage& image_;
};

// A flat button of the window: its caption in the window's blue (grayed when disabled).
TSpeedButton* FlatButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* b = new TSpeedButton(caption, parent);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::NoFocus);
  QPalette pal = b->palette();
  pal.setColor(QPalette::ButtonText, ToQColor(clBlue));
  b->setPalette(pal);
  return b;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(modal::AppTitle());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(clGray));
  setPalette(pal);
  setAutoFillBackground(true);
  setGeometry(QRect(QPoint(0, 0), screen::Size()));
  qApp->installEventFilter(this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationInactive) AppDeactivate();
  });
  LayoutToolbar();
  CreateBreakPointPanel();
  PlaceToolbar();
  DisableButtons();
  // The music waits until the options switch it on, then plays in a loop.
  midiPlayer_.Open(app::MusicPath() + QStringLiteral("midi0.mid"));
  midiPlayer_.OnNotify = [this] {
    if (!musicOn_) return;
    midiPlayer_.Rewind();
    midiPlayer_.Play();
  };
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  FreeDemo();
  if (MainForm == this) MainForm = nullptr;
}

// ---------------------------------------------------------------- toolbar

void TMainForm::LayoutToolbar() {
  toolBar_ = new QWidget(this);
  toolBar_->setObjectName(QStringLiteral("ToolBar"));
  toolBarBkImage_ = new TStretchImage(toolBar_);
  toolBarBkImage_->setObjectName(QStringLiteral("ToolBarBkImage"));
  captionBox_ = new TCaptionBox(captionImage_, toolBar_);
  captionBox_->setObjectName(QStringLiteral("CaptionBox"));

  for (int tag = 1; tag <= ToolbarLayout::ButtonCount; ++tag) {
    const ButtonDef& def = kButtons[tag - 1];
    TSpeedButton* b = FlatButton(toolBar_, QString::fromLatin1(def.name), QString::fromUtf8(def.caption));
    const QString glyph = QString::fromLatin1(gen::kToolbarGlyphs[static_cast<std::size_t>(tag - 1)]);
    if (const auto bmp = LoadPicture(glyph + QStringLiteral(".bmp"))) b->SetGlyph(bmp->Image());
    if (def.hint) b->setToolTip(QString::fromUtf8(def.hint));
    buttons_[static_cast<std::size_t>(tag)] = b;
  }
  const auto on = [this](int tag, void (TMainForm::*handler)()) {
    connect(Buttons(tag), &TSpeedButton::clicked, this, handler);
  };
  on(1, &TMainForm::AlgDataClick);
  on(2, &TMainForm::CallStackClick);
  on(3, &TMainForm::DemoDescriptClick);
  on(4, &TMainForm::DemoStopBtnClick);
  on(5, &TMainForm::DemoRunClick);
  on(6, &TMainForm::StepOverClick);
  on(7, &TMainForm::TraceIntoClick);
  on(8, &TMainForm::RunToCursorClick);
  on(9, &TMainForm::ResetRunClick);
  on(10, &TMainForm::BreakPntBtnClick);
  on(11, &TMainForm::SetBtnClick);
  on(12, &TMainForm::ReturnBtnClick);
  on(13, &TMainForm::ReturnBtnClick);

  const auto bevel = [this](const char* name) {
    auto* f = new QFrame(toolBar_);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return f;
  };
  tbBevel1_ = bevel("TbBevel1");
  tbBevel2_ = bevel("TbBevel2");
}

void TMainForm::PlaceToolbar() {
  const ToolbarLayout before = layout_;
  layout_ = ToolbarLayout::ForWindow(width(), height());
  toolBar_->setGeometry(0, 0, width(), layout_.toolbarHeight);
  toolBarBkImage_->setGeometry(0, 0, toolBar_->width(), toolBar_->height());
  if (layout_.fontHeight != before.fontHeight) {
    TFont font;
    font.Name = QStringLiteral("宋体");
    font.Height = -layout_.fontHeight;
    toolBar_->setFont(font.ToQFont());
  }
  if (layout_.captionWidth != before.captionWidth || layout_.captionHeight != before.captionHeight) {
    captionBitmap_.SetSize(layout_.captionWidth, layout_.captionHeight);
    captionImage_ = QImage(layout_.captionWidth, layout_.captionHeight, QImage::Format_ARGB32);
    captionImage_.fill(Qt::transparent);
    if (!captionText_.isEmpty()) DrawCaption(captionText_);
  }
  captionBox_->setGeometry(1, 0, layout_.captionWidth, layout_.captionHeight);
  for (int tag = 1; tag <= ToolbarLayout::ButtonCount; ++tag) {
    TSpeedButton* b = Buttons(tag);
    b->setGeometry(layout_.buttonLeft[static_cast<std::size_t>(tag)], layout_.buttonTop, layout_.unit,
                   layout_.buttonHeight);
    b->SetGlyphSide(layout_.glyphSide);
  }
  tbBevel1_->setGeometry(layout_.bevel1Left, layout_.buttonTop, 2, layout_.buttonHeight);
  tbBevel2_->setGeometry(layout_.bevel2Left, layout_.buttonTop, 2, layout_.buttonHeight);
  if (breakPointPanel_ == nullptr) return;
  TFont font;
  font.Name = QStringLiteral("楷体_GB2312");
  font.Height = -text::Round(layout_.fontHeight * 0.8);
  font.Style = fsBold;
  breakPointPanel_->setFont(font.ToQFont());
  const int w = 2 * layout_.unit;
  const int rowH = layout_.buttonHeight / 2;
  const int right = layout_.buttonLeft[10] + layout_.unit;
  breakPointPanel_->setGeometry(right - w, layout_.toolbarHeight + 4, w, 3 * rowH + 8);
  const auto rows = breakPointPanel_->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly);
  for (int i = 0; i < rows.size(); ++i) rows[i]->setGeometry(4, 4 + i * rowH, w - 8, rowH);
}

void TMainForm::CreateBreakPointPanel() {
  auto* panel = new TZqStaticText(this);
  breakPointPanel_ = panel;
  panel->setObjectName(QStringLiteral("BreakPointPanel"));
  const struct {
    const char* name;
    const char* caption;
    void (TMainForm::*handler)();
  } rows[] = {{"SetBreakPointBtn", "设置断点", &TMainForm::SetBreakPointBtnClick},
              {"ClearBreakPointsBtn", "清除所有断点", &TMainForm::ClearBreakPointsBtnClick},
              {"ExitBreakPointBtn", "取消", &TMainForm::ExitBreakPointBtnClick}};
  for (const auto& row : rows) {
    TSpeedButton* b = FlatButton(panel, QString::fromLatin1(row.name), QString::fromUtf8(row.caption));
    connect(b, &TSpeedButton::clicked, this, row.handler);
  }
  panel->hide();
}

void TMainForm::DrawCaption(const QString& text) {
  captionText_ = text;
  TCanvas& c = captionBitmap_.Canvas();
  const TColor gray = RGB(128, 128, 128);
  c.Brush.Color = gray;
  c.Brush.Style = bsSolid;
  c.FillRect(Rect(0, 0, captionBitmap_.Width(), captionBitmap_.Height()));
  c.Font.Name = QStringLiteral("宋体");
  c.Font.Style = fsBold | fsItalic;
  c.Font.Height = text::Round(captionBitmap_.Height() * 0.9);
  c.Brush.Style = bsClear;
  const int y = captionBitmap_.Height() / 20;
  // Yellow letters with a blue outline.
  c.Font.Color = clBlue;
  c.TextOut(16, y - 1, text);
  c.TextOut(16, y + 1, text);
  c.TextOut(15, y, text);
  c.TextOut(17, y, text);
  c.Font.Color = clYellow;
  c.TextOut(16, y, text);
  c.Brush.Style = bsSolid;
  captionBox_->setAccessibleDescription(text);  // the painted caption, in words
  captionImage_ = captionBitmap_.Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb see = ToQRgb(gray);
  for (int yy = 0; yy < captionImage_.height(); ++yy) {
    auto* line = reinterpret_cast<QRgb*>(captionImage_.scanLine(yy));
    for (int x = 0; x < captionImage_.width(); ++x)
      if (line[x] == see) line[x] = qRgba(0, 0, 0, 0);
  }
  captionBox_->update();
}

void TMainForm::FillToolbarImage(const TBitmap& picture) {
  auto& image = static_cast<TStretchImage&>(*toolBarBkImage_);
  const QPoint origin = toolBarBkImage_->mapToGlobal(QPoint(0, 0));
  image.Picture.SetSize(toolBarBkImage_->width(), toolBarBkImage_->height());
  image.Picture.Canvas().StretchDraw(
      Rect(-origin.x(), -origin.y(), screen::Width() - origin.x(), screen::Height() - origin.y()), picture);
  image.Invalidate();
}

void TMainForm::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Shown before a demonstration brings its theme: the toolbar shows the default backdrop.
  // Not drawn at start-up, while the window is hidden behind the selection window.
  if (CurrentThemes == nullptr) {
    if (const auto picture = LoadPicture(ProcSrcContainer().DefaultThemes()->BackBitmapName + ".bmp"))
      FillToolbarImage(*picture);
  }
}

void TMainForm::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (toolBar_ == nullptr) return;
  const QSize toolbarBefore = toolBar_->size();
  PlaceToolbar();
  // The toolbar's share of the backdrop is cut again for its new size.
  if (toolBar_->size() != toolbarBefore) {
    const TZqThemes* themes = CurrentThemes ? CurrentThemes : ProcSrcContainer().DefaultThemes();
    if (const auto picture = LoadPicture(themes->BackBitmapName + ".bmp")) FillToolbarImage(*picture);
  }
  if (dockFrame_) dockFrame_->setGeometry(DockArea());
}

QRect TMainForm::DockArea() const {
  return QRect(0, layout_.toolbarHeight, width(), height() - layout_.toolbarHeight);
}

// ---------------------------------------------------------------- starting a demonstration

void TMainForm::StartDemo(const QString& name, bool useC) {
  [&] {
    const DemoClassRegistry::Entry* cls = FindDemoClass(name);
    if (cls == nullptr) {
      modal::ShowMessage(QStringLiteral("算法尚未安装"));
      return;
    }
    UseCLanguage = useC;
    const TAlgoSrc* text = ProcSrcContainer().FindText((useC ? QStringLiteral("C_") : QStringLiteral("P_")) + name);
    if (text == nullptr) {
      modal::ShowMessage(QStringLiteral("算法原代码未找到"));
      return;
    }
    ApplyThemes(text->Themes);
    try {
      demo_ = CreateDemo(*cls, text->Source);
      CurrentDemo = demo_.get();
      const TAlgoSrc* pascal = ProcSrcContainer().FindText(QStringLiteral("P_") + name);
      demo_->SetDescription(pascal ? pascal->Descript : QStringList());
      if (!InputData()) {
        // A demonstration that gives the toolbar back as it found it on being freed turns
        // buttons on: after a cancelled start only the return button is left.
        FreeDemo();
        DisableButtons();
        return;
      }
      Buttons(Tag(ToolButton::AlgData))->setEnabled(true);
      Buttons(Tag(ToolButton::Desc))->setEnabled(true);
      Buttons(Tag(ToolButton::Set))->setEnabled(true);
      demo_->Reset();
      demo_->SetWindowRect();
      demo_->UpdateChildWindow();
    } catch (const std::exception& e) {
      // A demonstration that cannot be built (a text that does not parse, a window that
      // cannot be made) fails like the other failures: reported, nothing left behind.
      FreeDemo();
      DisableButtons();
      ReportException(e);
    }
  }();
  Buttons(Tag(ToolButton::Return))->setEnabled(true);
}

bool TMainForm::InputData() {
  if (dockFrame_) dockFrame_->hide();
  toolBarBkImage_->hide();
  toolBar_->repaint();
  // The window comes back however the data input ends, a thrown error included.
  const auto restore = qScopeGuard([this] {
    toolBarBkImage_->show();
    toolBarBkImage_->lower();
    if (dockFrame_) dockFrame_->show();
  });
  return CurrentDemo != nullptr && CurrentDemo->CreateData();
}

void TMainForm::FreeDemo() {
  // The panel acts on the demonstration's lines: the next one starts without it (and with
  // 设置, which waits while the panel shows).
  breakPointPanel_->hide();
  if (CurrentDemo == demo_.get()) CurrentDemo = nullptr;
  demo_.reset();
  Undock();
  ClearThemes();
}

void TMainForm::ApplyThemes(TZqThemes* themes) {
  CurrentThemes = themes ? themes : ProcSrcContainer().DefaultThemes();
  const std::unique_ptr<TBitmap> picture = LoadPicture(CurrentThemes->BackBitmapName + ".bmp");
  if (picture) {
    FillToolbarImage(*picture);
    BackBitmap = MakeBackdrop(*picture, screen::Size());
  } else {
    // A missing picture leaves a plain gray backdrop.
    TBitmap gray(1, 1);
    gray.Canvas().Pixels(0, 0) = clSilver;
    BackBitmap = MakeBackdrop(gray, screen::Size());
  }
}

void TMainForm::ClearThemes() {
  CurrentThemes = nullptr;
  BackBitmap.reset();
}

// ---------------------------------------------------------------- docking

template <class Frame>
Frame* TMainForm::FrameFor(int mode) {
  if (dockMode_ == DockNone) {
    auto* frame = new Frame(this);
    frame->setGeometry(DockArea());
    frame->show();
    if (frame->layout()) frame->layout()->activate();
    dockFrame_ = frame;
    dockMode_ = mode;
    breakPointPanel_->raise();
    return frame;
  }
  return dockMode_ == mode ? static_cast<Frame*>(dockFrame_.data()) : nullptr;
}

void TMainForm::Dock(int pane, QWidget* form) {
  if (form == nullptr) return;
  TSplitPane* p = dockFrame_->Pane(pane);
  p->SetPaneCaption(form->windowTitle());
  p->Dock(form);
  p->show();
}

void TMainForm::DockOnePane(QWidget* form) {
  const bool fresh = dockMode_ == DockNone;
  if (FrameFor<TSplitWnds1>(DockOne) && fresh) Dock(1, form);
}

void TMainForm::DockThreePanes(QWidget* first, int widthPct, QWidget* second, int heightPct, QWidget* third) {
  const bool fresh = dockMode_ == DockNone;
  TSplitWnds2* frame = FrameFor<TSplitWnds2>(DockThree);
  if (!frame) return;
  frame->SetPaneSizes(frame->width() * widthPct / 100, frame->height() * heightPct / 100);
  if (!fresh) return;
  Dock(1, first);
  Dock(2, second);
  Dock(3, third);
}

void TMainForm::DockThreePanesB(QWidget* first, int heightPct, QWidget* second, int widthPct, QWidget* third) {
  const bool fresh = dockMode_ == DockNone;
  TSplitWnds3* frame = FrameFor<TSplitWnds3>(DockThreeB);
  if (!frame) return;
  frame->SetPaneSizes(frame->height() * heightPct / 100, frame->width() * widthPct / 100);
  if (!fresh) return;
  Dock(1, first);
  Dock(2, second);
  Dock(3, third);
}

void TMainForm::DockTwoPanes(QWidget* first, int widthPct, QWidget* second) {
  const bool fresh = dockMode_ == DockNone;
  TSplitWnds4* frame = FrameFor<TSplitWnds4>(DockTwo);
  if (!frame) return;
  frame->SetPaneSizes(frame->width() * widthPct / 100, 0);
  if (!fresh) return;
  Dock(1, first);
  Dock(2, second);
}

void TMainForm::Undock() {
  if (dockFrame_) {
    dockFrame_->ReleaseForms();
    delete dockFrame_.data();
  }
  dockMode_ = DockNone;
}

// ---------------------------------------------------------------- buttons

bool TMainForm::HaveDemo() {
  if (CurrentDemo != nullptr) return true;
  ReturnBtnClick();
  return false;
}

void TMainForm::AlgDataClick() {
  if (!HaveDemo()) return;
  InputData();
  CurrentDemo->Reset();
  CurrentDemo->UpdateChildWindow();
}

void TMainForm::CallStackClick() {
  if (CurrentDemo == nullptr) return;
  QStringList calls;
  const TRunStack* stack = CurrentDemo->RunStack();
  for (int i = 0; i < stack->Count(); ++i) {
    if (const TProcContext* frame = stack->Frame(i)) calls << frame->CallText;
  }
  TCallStackForm form(this);
  form.Fill(calls);
  modal::Current().ExecDialog(form);
}

void TMainForm::DemoDescriptClick() {
  if (CurrentDemo == nullptr) return;
  TDemoDescriptForm form(this);
  form.Execute(CurrentDemo->Description());
}

void TMainForm::DemoStopBtnClick() {
  if (CurrentDemo != nullptr) CurrentDemo->SetStopRequest(true);
}

void TMainForm::DemoRunClick() { RunMode(&TAlgoDemo::Run); }
void TMainForm::StepOverClick() { RunMode(&TAlgoDemo::StepOver); }
void TMainForm::TraceIntoClick() { RunMode(&TAlgoDemo::TraceInto); }
void TMainForm::RunToCursorClick() { RunMode(&TAlgoDemo::RunToCursor); }

void TMainForm::RunMode(void (TAlgoDemo::*mode)()) {
  if (!HaveDemo()) return;
  (CurrentDemo->*mode)();
  // The window was closed during the run: it has stopped, and the window goes back now.
  if (std::exchange(returnAfterRun_, false)) ReturnBtnClick();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // Closing the window goes back to the selection window, as the return button does; only
  // the selection window's close ends the program. A run is paused first: its loop is still
  // on the way out, so the window goes back once the run has stopped.
  event->ignore();
  if (CurrentDemo != nullptr && CurrentDemo->Running()) {
    CurrentDemo->SetStopRequest(true);
    returnAfterRun_ = true;
    return;
  }
  ReturnBtnClick();
}

void TMainForm::ResetRunClick() {
  if (!HaveDemo() || CurrentDemo->Running()) return;
  CurrentDemo->Reset();
  CurrentDemo->UpdateChildWindow();
}

void TMainForm::BreakPntBtnClick() {
  if (options_ != nullptr && options_->isVisible()) return;
  if (breakPointPanel_->isHidden()) {
    breakPointPanel_->raise();
    breakPointPanel_->show();
  } else {
    breakPointPanel_->hide();
  }
}

void TMainForm::SetBtnClick() {
  if (breakPointPanel_->isVisible()) return;
  if (options_ == nullptr) options_ = std::make_unique<TOptionsForm>(*this);
  modal::Current().ExecDialog(*options_);
}

void TMainForm::ReturnBtnClick() {
  FreeDemo();
  Buttons(Tag(ToolButton::Desc))->setEnabled(false);
  if (AlgoSelectForm != nullptr) AlgoSelectForm->ShowSelection();
  hide();  // it waits behind the selection window for the next demonstration
}

void TMainForm::SetBreakPointBtnClick() {
  // A row past the end of the procedure (the grid pads short ones) holds no line to mark.
  if (CurrentDemo != nullptr && AlgorithmForm != nullptr) AlgorithmForm->ToggleBreakpoint();
  breakPointPanel_->hide();
}

void TMainForm::ClearBreakPointsBtnClick() {
  if (CurrentDemo != nullptr) {
    bool any = false;
    for (int p = 0; p < CurrentDemo->Procedures()->Count(); ++p) {
      const TProcedure* proc = CurrentDemo->ProcedureAt(p);
      for (int i = 0; proc && i < proc->Count(); ++i) {
        TProcLine* line = proc->LineByIndex(i);
        if (line && line->Breakpoint) {
          line->Breakpoint = false;
          any = true;
        }
      }
    }
    if (any) views::Algorithm().Refresh();
  }
  breakPointPanel_->hide();
}

void TMainForm::ExitBreakPointBtnClick() { breakPointPanel_->hide(); }

// ---------------------------------------------------------------- keys

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The window sees keys before its controls do.
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    if (k == Qt::Key_F4 || k == Qt::Key_F5 || k == Qt::Key_F7 || k == Qt::Key_F8 || k == Qt::Key_F9 ||
        k == Qt::Key_Escape) {
      FormKeyDown(k, key->modifiers());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const auto enabled = [this](ToolButton b) { return Buttons(Tag(b))->isEnabled(); };
  switch (key) {
    case Qt::Key_F4:
      if (enabled(ToolButton::RunToCursor)) RunToCursorClick();
      break;
    case Qt::Key_F5:
      if (modifiers & Qt::ControlModifier) {
        ClearBreakPointsBtnClick();
      } else {
        SetBreakPointBtnClick();
      }
      break;
    case Qt::Key_F7:
      if (enabled(ToolButton::TraceInto)) TraceIntoClick();
      break;
    case Qt::Key_F8:
      if (enabled(ToolButton::StepOver)) StepOverClick();
      break;
    case Qt::Key_F9:
      if (enabled(ToolButton::DemoRun)) DemoRunClick();
      break;
    case Qt::Key_Escape:
      if (breakPointPanel_->isVisible()) breakPointPanel_->hide();
      // During a run the loop takes the press as a pause.
      if (CurrentDemo != nullptr && CurrentDemo->Running()) escapePressed_ = true;
      break;
    default: break;
  }
}

bool TMainForm::TakeEscape() { return std::exchange(escapePressed_, false); }

// ---------------------------------------------------------------- engine and selection hooks

void TMainForm::EnableButton(ToolButton button, bool enabled) {
  Buttons(Tag(button))->setEnabled(enabled);
}

void TMainForm::CreateChildWindows() {
  algorithmForm_ = std::make_unique<TAlgorithmForm>();
  AlgorithmForm = algorithmForm_.get();
  views::SetAlgorithm(AlgorithmForm);
  variableForm_ = std::make_unique<TVariableForm>();
  VariableForm = variableForm_.get();
  views::SetVariables(VariableForm);
}

void TMainForm::DestroyChildWindows() {
  views::SetAlgorithm(nullptr);
  views::SetVariables(nullptr);
  AlgorithmForm = nullptr;
  VariableForm = nullptr;
  algorithmForm_.reset();
  variableForm_.reset();
  Undock();
}

void TMainForm::DisableButtons() {
  for (int tag = 1; tag <= ToolbarLayout::ButtonCount; ++tag) Buttons(tag)->setEnabled(false);
}

void TMainForm::ShowMainForm() {
  setGeometry(QRect(QPoint(0, 0), screen::Size()));
  show();
  raise();
  activateWindow();
}

// ---------------------------------------------------------------- music and popups

void TMainForm::SetMusic(bool on) {
  musicOn_ = on;
  if (on) {
    midiPlayer_.Rewind();
    midiPlayer_.Play();
  } else {
    midiPlayer_.Stop();
  }
}

void TMainForm::SetActivePopup(QDialog* popup) { ActivePopup = popup; }

void TMainForm::AppDeactivate() {
  if (ActivePopup) {
    ActivePopup->reject();
    ActivePopup = nullptr;
  }
}
