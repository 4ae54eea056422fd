#include "demos/stacks/ExpF.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "demos/stacks/AboutBox.h"
#include "framework/drawkit/DrawTool.h"
#include "framework/drawkit/FitFont.h"
#include "framework/drawkit/ScaledControls.h"
#include "framework/drawkit/StackBox.h"
#include "framework/drawkit/ThemedControls.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/DemoViews.h"
#include "framework/engine/Globals.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalHost.h"
#include "platform/PaintRecord.h"
#include "platform/Random.h"
#include "platform/TextRules.h"

namespace {

// A row of a stack display: just its text.
class TExpStackRow : public TData {
 public:
  explicit TExpStackRow(const QString& text) : text_(text) {}
  QString GetText() const override { return CutText(text_); }

 private:
  QString text_;
};

// A left-justified text on the backdrop in bold 宋体: a caption (no frame) or a value box.
TZqStaticText* StaticText(TGraphForm& form, int top, int width, int height, int fontHeight, TColor color,
                          TBevelCut bevel) {
  auto* t = form.Place(new TZqStaticText(&form), 8, top, width, height);
  t->SetBevel(bevel);
  t->SetAlignment(taLeftJustify);
  const TFont f{.Name = QStringLiteral("宋体"), .Height = -fontHeight, .Style = fsBold, .Color = color};
  t->SetFont(f);
  return t;
}

TZqStaticText* CaptionText(TGraphForm& form, const QString& text, int top, int width) {
  TZqStaticText* t = StaticText(form, top, width, 24, 15, clAqua, bvNone);
  t->SetCaption(text);
  return t;
}

TZqStaticText* Value(TGraphForm& form, const char* name, int top, TColor color) {
  TZqStaticText* t = StaticText(form, top, 161, 28, 14, color, bvLowered);
  t->setObjectName(QString::fromLatin1(name));
  return t;
}

TStackBox* StackDisplay(TGraphForm& form, const char* name, const QString& title, int left, int width) {
  auto* box = form.Place(new TStackBox(&form), left, 84, width, 250);
  box->setObjectName(QString::fromLatin1(name));
  box->SetLook({.RowCount = TExpF::StackRows,
                .NodeColor = clAqua,
                .NodeFont = {.Name = QStringLiteral("Courier New"), .Height = -18, .Style = fsBold, .Color = clFuchsia},
                .PointerFont = {.Height = -13},
                .Title = title,
                .TitleColor = clYellow});
  return box;
}

// The font, and its colour while the control is enabled: disabled, it looks disabled.
void ApplyEnabledFont(QWidget& control, const TFont& font) {
  control.setFont(font.ToQFont());
  QPalette p = control.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) p.setColor(group, role, ToQColor(font.Color));
  }
  control.setPalette(p);
}

const QString kApology = QStringLiteral("大虾请退出重新来过");

}  // namespace

void TClickLabel::paintEvent(QPaintEvent*) {
  paintrecord::BeginPaint(this);
  // The caption stands on the backdrop's sky: outlined, so that a light colour still reads.
  const QRect r = contentsRect();
  const int flags = static_cast<int>(alignment());
  QPainter p(this);
  p.setFont(font());
  const QColor halo =
      DrawOutlinedText(p, r, flags, text(), palette().color(QPalette::Active, QPalette::WindowText), isEnabled());
  paintrecord::AddPainterText(this, p, r, flags, text(), halo.rgb() & 0xFFFFFFu);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()) && OnClick) {
    OnClick();
  }
}

// ---------------------------------------------------------------- layout

TExpF::TExpF(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("表达式计算演示"));
  SetDesignClientSize(401, 354);
  Color = clSilver;

  Label6 = new TClickLabel(QStringLiteral("表达式"), this);
  Label6->setObjectName(QStringLiteral("Label6"));
  Label6->setAlignment(Qt::AlignCenter);
  Label6->setCursor(Qt::PointingHandCursor);
  SetHint(*Label6, QStringLiteral("随机生成"));
  Label6->OnClick = [this] { PickSample(); };

  Edit1 = new TEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  {
    QPalette p = Edit1->palette();
    p.setColor(QPalette::Base, ToQColor(clAqua));
    Edit1->setPalette(p);
  }
  Edit1->setEnabled(false);
  Edit1->setReadOnly(true);
  Edit1->hide();
  // Enter starts as the start button does. The edit hands Enter on to its window's buttons
  // rather than to a key filter, so it is taken where the edit reports it.
  QObject::connect(Edit1, &QLineEdit::returnPressed, this, [this] {
    if (!Edit1->isReadOnly() && !Edit1->text().isEmpty()) PrepareExpression();
  });
  QObject::connect(Edit1, &QLineEdit::textChanged, this, [this] {
    FitEditFont();
    Edit1Change();
  });

  BitBtn2 = new TButton(QStringLiteral("开始"), this);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  SetHint(*BitBtn2, QStringLiteral("开始演示"));
  BitBtn2->setEnabled(false);
  BitBtn2->hide();
  BitBtn2->OnClick = [this] { PrepareExpression(); };

  StaticText4 = CaptionText(*this, QStringLiteral("结果："), 94, 100);
  Label1 = Value(*this, "Label1", 120, clYellow);
  StaticText5 = CaptionText(*this, QStringLiteral("操作："), 150, 100);
  Label3 = Value(*this, "Label3", 174, clWhite);
  StaticText6 = CaptionText(*this, QStringLiteral("出错信息："), 206, 120);
  Label2 = Value(*this, "Label2", 232, clWhite);

  BitBtn3 = new TButton(QStringLiteral("帮助"), this);
  BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
  BitBtn3->OnClick = [this] { ShowHelp(); };

  StackBox1 = StackDisplay(*this, "StackBox1", QStringLiteral("操作符栈"), 177, 104);
  StackBox2 = StackDisplay(*this, "StackBox2", QStringLiteral("操作数栈"), 289, 104);

  // Row k of a display shows item k of its stack from the bottom (an operand's first six
  // characters); the texts show the evaluator's. Held while a run stands.
  const auto item = [this](ExpStack which, int index) -> std::optional<QString> {
    if (CurrentDemo == nullptr || CurrentDemo->CurLine() == nullptr) return std::nullopt;
    const QStringList items = which == ExpStack::Optr ? eval_.OptrTexts() : eval_.OpndTexts();
    if (index >= items.size()) return QStringLiteral("(no item %1)").arg(index);
    const QString text = items[items.size() - 1 - index];
    return which == ExpStack::Optr ? text : text.left(6);
  };
  StackBox1->RowsStandFor = [item](int index) { return item(ExpStack::Optr, index); };
  StackBox2->RowsStandFor = [item](int index) { return item(ExpStack::Opnd, index); };
  Label1->Stands = {{.Value = [this] { return std::optional<QString>(eval_.ResultText()); }}};
  Label3->Stands = {{.Value = [this] { return std::optional<QString>(eval_.OperationText()); }}};
  Label2->Stands = {{.Value = [this] { return std::optional<QString>(eval_.Error()); }}};

  eval_.onPush = [this](ExpStack which, const QString&) {
    which == ExpStack::Optr ? ShowOPTRTop() : ShowOPNDTop();
  };
  eval_.onPop = [this](ExpStack which) {
    TStackBox* box = which == ExpStack::Optr ? StackBox1 : StackBox2;
    if (box->Count() > 0) (void)box->Pop();
  };
  LayoutTopRow();
}

TExpF::~TExpF() = default;

void TExpF::LayoutTopRow() {
  // The label, the edit and the buttons follow the window's size as the containers do, so
  // that they stay in proportion with the stack displays in a large pane.
  const TDesignRatio r(DesignClientSize(), size());
  // Texts grow with the smaller ratio, so that a long expression still fits the edit.
  const auto font = [&r](const char* name, int height, TFontStyles style, TColor color) {
    return TFont{.Name = QString::fromUtf8(name), .Height = -r.Text(height), .Style = style, .Color = color};
  };
  Label6->setGeometry(r.X(8), r.Y(12), r.X(56), r.Y(26));
  ApplyEnabledFont(*Label6, font("宋体", 16, fsBold, clYellow));
  BitBtn2->setFont(font("宋体", 13, 0, clBtnText).ToQFont());
  BitBtn3->setFont(font("宋体", 13, 0, clBtnText).ToQFont());
  BitBtn2->resize(r.X(56), r.Y(28));
  BitBtn3->resize(r.X(60), r.Y(28));

  const int midY = Label6->y() + Label6->height() / 2;
  BitBtn2->move(StackBox2->x() + StackBox2->width() - BitBtn2->width(), midY - BitBtn2->height() / 2);
  Edit1->move(Label6->x() + Label6->width() + 2, Label6->y());
  const int editWidth = !Edit1->isHidden() ? BitBtn2->x() - 8 - Edit1->x() : 8;
  Edit1->resize(std::max(editWidth, 8), Label6->height());
  BitBtn3->move(Label6->x(), StackBox2->y() + StackBox2->height() - BitBtn3->height());
  FitEditFont();
}

void TExpF::FitEditFont() {
  const TDesignRatio r(DesignClientSize(), size());
  const TFont full{.Name = QStringLiteral("Courier New"), .Height = -r.Text(12), .Style = fsBold, .Color = clBlack};
  // A long expression is shown whole in a smaller size, down to three quarters of the full
  // one; longer still, the edit scrolls. The frame and the edit's margins take 12 pixels.
  const QString text = Edit1->text();
  ApplyEnabledFont(*Edit1, text.isEmpty() ? full : FitFont(full, {text}, Edit1->width() - 12, kAnyHeight, r.Text(9)));
}

void TExpF::FormResize() {
  RescaleContents();
  LayoutTopRow();
  if (CurrentDemo) CurrentDemo->ShowGraph();
  Update();
}

// ---------------------------------------------------------------- texts and stacks

void TExpF::ShowTexts() {
  Label1->SetCaption(eval_.ResultText());
  Label3->SetCaption(eval_.OperationText());
  Label2->SetCaption(eval_.Error());
}

void TExpF::ClearDisplays() {
  StackBox1->Clear();
  StackBox2->Clear();
}

void TExpF::ShowOPTRTop() {
  if (StackBox1->Count() >= StackRows) return;  // refused when prepared; never a failed push
  StackBox1->Push(std::make_unique<TExpStackRow>(eval_.OptrTopText()));
}

void TExpF::ShowOPNDTop() {
  if (StackBox2->Count() >= StackRows) return;
  StackBox2->Push(std::make_unique<TExpStackRow>(eval_.OpndTopText().left(6)));
}

void TExpF::Apologize() {
  if (apologized_) return;
  apologized_ = true;
  modal::ShowMessage(kApology);
}

void TExpF::EndAfterError() {
  ClearDisplays();
  ShowTexts();
  // The expression may be corrected and prepared again.
  Edit1->setReadOnly(false);
  Label6->setEnabled(true);
  BitBtn2->setEnabled(!Edit1->text().isEmpty());
}

// ---------------------------------------------------------------- the steps

void TExpF::Step(void (ExpEvaluator::*operation)(), bool reduction) {
  const bool failedBefore = eval_.ErrorFlag();
  (eval_.*operation)();
  ShowTexts();
  if (reduction && !failedBefore && eval_.ErrorFlag()) Apologize();
}

void TExpF::ReadChar() { Step(&ExpEvaluator::ReadChar); }
void TExpF::PushOperand() { Step(&ExpEvaluator::PushOperand); }
void TExpF::PushOperator() { Step(&ExpEvaluator::PushOperator); }
void TExpF::PopMatching() { Step(&ExpEvaluator::PopMatching); }
void TExpF::PopTheta() { Step(&ExpEvaluator::PopTheta); }
void TExpF::PopB() { Step(&ExpEvaluator::PopB, true); }
void TExpF::PopA() { Step(&ExpEvaluator::PopA, true); }

bool TExpF::PushResult() {
  Step(&ExpEvaluator::PushResult, true);
  if (!eval_.ErrorFlag()) return true;
  Apologize();  // also when an operand was missing before
  EndAfterError();
  return false;
}

void TExpF::ReturnResult() {
  eval_.FinishResult();
  if (eval_.ErrorFlag()) {
    EndAfterError();
    return;
  }
  ClearDisplays();
  ShowTexts();
}

// ---------------------------------------------------------------- preparing a run

bool TExpF::PrepareExpression() {
  const QString text = Edit1->text();
  if (text.isEmpty()) return false;
  apologized_ = false;
  ClearDisplays();
  const bool ok = eval_.Prepare(text, StackRows);
  ShowTexts();
  if (!ok) return false;
  settingText_ = true;
  Edit1->setText(eval_.Expression());
  settingText_ = false;
  Edit1->setReadOnly(true);
  Label2->SetCaption(QString());
  // Prepared by the run's first step, the run is already going: its buttons stay as they are.
  if (CurrentDemo == nullptr || !CurrentDemo->Running()) EnableRunButtons(true);
  Label6->setEnabled(false);
  BitBtn2->setEnabled(false);
  return true;
}

void TExpF::ResetForm() {
  ClearDisplays();
  settingText_ = true;
  Edit1->clear();
  settingText_ = false;
  Label3->SetCaption(QString());
  Label1->SetCaption(QString());
  Label2->SetCaption(QString());
  Edit1->setReadOnly(false);
  Label6->setEnabled(true);
  BitBtn2->setEnabled(false);
  eval_.Clear();
  apologized_ = false;
  DisableRunKeys();
}

void TExpF::PrepareRerun() {
  if (Edit1->isReadOnly() && !Edit1->text().isEmpty()) {
    ClearDisplays();
    eval_.Restart();
    apologized_ = false;
    ShowTexts();
  } else {
    DisableRunKeys();
  }
}

void TExpF::Edit1Change() {
  if (settingText_) return;
  eval_.ClearError();
  Label2->SetCaption(eval_.Error());
  BitBtn2->setEnabled(!Edit1->text().isEmpty());
}

void TExpF::PickSample() {
  if (Edit1->isReadOnly()) return;
  rnd::Randomize();
  const auto& samples = ExpEvaluator::Samples();
  Edit1->setText(samples[static_cast<std::size_t>(rnd::Random(static_cast<int>(samples.size())))]);
}

void TExpF::ShowHelp() {
  // A window of its own, as the input dialogs are: its buttons then write in its own raised
  // font, which a drawing window as parent keeps from them.
  TAboutBox box;
  box.ShowModal();
}

// ---------------------------------------------------------------- the dog

void TExpF::RunDog() {
  LayoutTopRow();
  Edit1->show();
  Edit1->setEnabled(false);
  const int start = Edit1->x() + Edit1->width() + 8;
  const int distance = BitBtn2->x() - start;
  const int steps = distance / 4;
  // A pane too narrow for a run (or pictures missing) skips straight to the end.
  const int y = std::max(0, Edit1->y() + Edit1->height() / 2 - dog_.Height() / 2);
  const auto x = [=](int k) { return start + distance * k / steps; };
  dog_.Run(
      *this, steps, [&](int k) { return TPoint(x(k), y); },
      [&](int k) { Edit1->resize(std::max(x(k) - Edit1->x() - 8, 8), Edit1->height()); });
  BitBtn2->show();
  LayoutTopRow();
  Edit1->setEnabled(true);
  Edit1->setFocus();
}
