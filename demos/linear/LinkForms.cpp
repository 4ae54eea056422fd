#include "demos/linear/LinkForms.h"

#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "demos/linear/LinkKit.h"
#include "framework/drawkit/Pointer2.h"
#include "framework/drawkit/WesternText.h"
#include "framework/shell/MainForm.h"
#include "platform/Controls.h"
#include "platform/InputQuery.h"
#include "platform/ModalHost.h"
#include "platform/TextRules.h"

bool QueryInteger(const QString& caption, const QString& prompt, int& value) {
  QString text = QString::number(value);
  for (;;) {
    if (!InputQuery(caption, prompt, text)) return false;
    if (const std::optional<int> n = text::ParseInt(text.trimmed())) {
      value = *n;
      return true;
    }
    modal::ShowMessage(QStringLiteral("“%1”不是整数，请重新输入。").arg(text));
  }
}

// ---------------------------------------------------------------- TLinkBase

TLinkBase::TLinkBase(const QStringList& source, const QString& caption, int dockWidth)
    : TAlgoDemo(source), caption_(caption), dockWidth_(dockWidth) {}

TLinkBase::~TLinkBase() = default;

void TLinkBase::CreateChildWindow() {
  TAlgoDemo::CreateChildWindow();
  graphForm_ = std::make_unique<TLinkGraphForm>();
  graphForm_->SetCaption(caption_);
  // The node under p is red and green, the one q is to delete yellow and blue.
  graphForm_->Link->ColourNote = [](TColor data, TColor pointer) {
    if (data == clRed && pointer == clGreen) return QStringLiteral("p");
    if (data == clYellow && pointer == clBlue) return QStringLiteral("q");
    return QString();
  };
}

const TLinkNode* TLinkBase::Target(const char* pointer) const {
  const TData* locals = Locals();
  const auto* var = dynamic_cast<const TPtrData*>(locals ? locals->FindByName(QString::fromLatin1(pointer)) : nullptr);
  if (!var || !var->Assigned() || var->State() == TPtrData::StateDisposed) return nullptr;
  return dynamic_cast<const TLinkNode*>(var->Target());
}

QString TLinkBase::WalkNote(const TLinkNode& record) const {
  if (&record == Target("q")) return QStringLiteral("q");
  if (&record == Target("p") && &record != Target("la")) return QStringLiteral("p");
  return {};
}

void TLinkBase::ListStandsFor(std::function<std::vector<const TLinkNode*>()> records,
                              std::function<const TLinkNode*()> floating, bool walk) {
  graphForm_->Link->NodeStands = [this, records, floating, walk](int index) {
    std::function<QString(const TLinkNode&)> note;
    if (walk) note = [this](const TLinkNode& r) { return WalkNote(r); };
    if (index > 0) return linkkit::NodeOf(records, index, note);
    return linkkit::NodeOf([floating] { return std::vector<const TLinkNode*>{floating ? floating() : nullptr}; }, 1, note);
  };
}

void TLinkBase::SetWindowRect() {
  MainForm->DockThreePanes(graphForm_.get(), dockWidth_, AlgorithmForm, 70, VariableForm);
}

void TLinkBase::UpdateChildWindow() {
  TAlgoDemo::UpdateChildWindow();
  graphForm_->Update();
}

bool TLinkBase::CreateData() {
  QString text = LinkListText;
  if (!QueryWestern(QStringLiteral("链表"), QStringLiteral("建立数据"), text)) return false;
  if (text.size() > MaxListText) modal::ShowMessage(QStringLiteral("数据太长,将被截断"));
  if (!text.isEmpty()) LinkListText = text.left(MaxListText);
  return true;
}

std::unique_ptr<TData> TLinkBase::ListParams(int firstIndex) {
  auto params = std::make_unique<TData>(QString());
  params->Add(new TPtrData(QStringLiteral("la")));
  auto* a = params->Add(new TVector(QStringLiteral("a")));
  for (int k = 0; k < LinkListText.size(); ++k) {
    a->Add(new TCharData(QStringLiteral("a[%1]").arg(k + firstIndex), LinkListText[k].toLatin1()));
  }
  params->Add(new TIntData(QStringLiteral("n"), static_cast<int>(LinkListText.size())));
  return params;
}

TLinkNode* TLinkBase::AddListRecords(TData& record) {
  auto* head = record.Add(new TLinkNode(QStringLiteral("头结点")));
  TLinkNode* last = head;
  for (const QChar c : LinkListText) {
    auto* node = record.Add(new TLinkNode(QStringLiteral("值为") + c + QStringLiteral("的结点")));
    node->DataItem()->SetValue(c.toLatin1());
    node->SetModified(false);
    last->NextItem()->SetTarget(node);
    last = node;
  }
  if (auto* la = dynamic_cast<TPtrData*>(record.FindByName(QStringLiteral("la"))))
    la->SetTarget(head);
  return head;
}

void TLinkBase::AddWalkLocals(const char* second, int position) {
  TData& locals = *Locals();
  AddListRecords(locals);
  AddVars(locals, std::make_unique<TPtrData>(QStringLiteral("p")),
          std::make_unique<TPtrData>(QString::fromLatin1(second)), IntVar("j", 0),
          IntVar("i", position));
  graphForm_->Link->AttachMark(graphForm_->p, 0);
  graphForm_->Link->AttachMark(graphForm_->q, 0);
}

TShapeRef TLinkBase::DrawnNodeOf(const char* pointer) const {
  const TLinkNode* target = Target(pointer);
  if (target == nullptr) return {};
  int index = 1;
  for (const TLinkNode* node = Target("la"); node; node = node->GetNext(), ++index)
    if (node == target) return {graphForm_->Link->Node(index)};
  return {};
}

void TLinkBase::DrawList(TLinkGraphForm& form, int column) {
  TLink& link = *form.Link;
  link.Clear();
  link.SetRatio(1.5);
  link.SetColumn(column);
  QStringList lines{QStringLiteral(" ")};
  for (const QChar c : LinkListText) lines << QString(c);
  link.SetContent(lines);
  link.AttachMark(form.la, 1);
}

void TLinkBase::WalkOn(TLinkGraphForm& form, int j) {
  TLink& link = *form.Link;
  if (j > 1) link.SetNodeColors(j, clTeal, clMaroon);
  if (link.Node(j + 1)) link.SetNodeColors(j + 1, clRed, clGreen);
  link.AttachMark(form.p, j + 1);
}

// ---------------------------------------------------------------- TLinkGraphForm

namespace {

TPointer2* Mark(TLink* link, const char* name, TColor color, int offY) {
  auto* mark = new TPointer2(link);
  mark->setObjectName(QString::fromLatin1(name));
  mark->SetCaption(QString::fromLatin1(name));
  mark->SetColor(color);
  mark->SetBorderColor(clWhite);
  mark->SetFontColor(clBlue);
  mark->OffY = offY;
  mark->KeepInside = true;
  mark->GrowsWithWindow = false;  // the list sizes its marks with its nodes
  mark->hide();
  return mark;
}

}  // namespace

TLinkGraphForm::TLinkGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetDesignClientSize(332, 203);
  Link = Place(new TLink(this), 0, 0, 332, 203);
  Link->setObjectName(QStringLiteral("Link"));
  Link->Color = clSilver;
  Link->SetRow(4);
  Link->SetColumn(4);
  Link->SetRatio(2.0);
  Link->SetMarkRoom(true);
  la = Mark(Link, "la", clBlue, 0);
  p = Mark(Link, "p", clRed, 12);
  q = Mark(Link, "q", clLime, 12);
}

// ---------------------------------------------------------------- TLUF

TLUF::TLUF(QWidget* parent) : TGraphForm(parent) {
  SetDesignClientSize(357, 435);
  Link1 = Place(new TLink(this), 0, 0, 357, 129);
  Link2 = Place(new TLink(this), 0, 129, 357, 129);
  Link3 = Place(new TLink(this), 0, 258, 357, 177);
  Link1->setObjectName(QStringLiteral("Link1"));
  Link2->setObjectName(QStringLiteral("Link2"));
  Link3->setObjectName(QStringLiteral("Link3"));
}

// ---------------------------------------------------------------- TInput2LinksDlg

QString TInput2LinksDlg::SortText(const QString& s) {
  QString t = s;
  for (qsizetype i = 0; i + 1 < t.size(); ++i) {
    for (qsizetype j = i + 1; j < t.size(); ++j) {
      if (t[j] < t[i]) std::swap(t[i], t[j]);
    }
  }
  return t;
}

namespace {

TFont DialogFont() {
  TFont font;
  font.Name = QStringLiteral("System");
  font.Height = -20;
  font.Style = fsBold;
  return font;
}

// Wide enough for sixteen wide capitals in the dialog's bold font.
constexpr int kListFieldWidth = 252;

QLabel* SortedView(QWidget* parent, const char* name, int x, int y) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setGeometry(x, y, kListFieldWidth, 28);
  return label;
}

TEdit* ListEdit(QWidget* parent, const char* name, int x, int y, QLabel* view) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->SetMaxLength(MaxListText);
  edit->setGeometry(x, y, kListFieldWidth, 28);
  QObject::connect(edit, &QLineEdit::textChanged, view,
                   [view](const QString& s) { view->setText(TInput2LinksDlg::SortText(s)); });
  return edit;
}

}  // namespace

TInput2LinksDlg::TInput2LinksDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("Input2LinksDlg"));
  SetCaption(QStringLiteral("链表数据"));
  SetBorderStyle(bsDialog);
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
  SetClientSize(420, 330);
  ApplyFont(*this, DialogFont());

  auto* panel = new TPanel(this);
  panel->SetColor(clBlack);
  panel->SetBevelOuter(bvLowered);
  panel->setGeometry(12, 12, 112, 250);
  auto* picture = new TImage(panel);
  picture->setGeometry(4, 4, 104, 242);
  picture->SetStretch(true);
  if (auto bmp = LoadPicture(QStringLiteral("image\\links2.bmp"))) picture->Assign(bmp->Image());

  auto* hint1 = new QLabel(QStringLiteral("请输入链表la和lb。"), this);
  hint1->setGeometry(140, 12, 270, 26);
  auto* hint2 = new QLabel(QStringLiteral("每个链表最长为16个字符。"), this);
  hint2->setGeometry(140, 38, 270, 26);

  auto* boxA = new QGroupBox(QStringLiteral("有序链表la"), this);
  boxA->setGeometry(136, 68, 272, 96);
  StaticTextA = SortedView(boxA, "StaticTextA", 10, 60);
  EditA = ListEdit(boxA, "EditA", 10, 26, StaticTextA);
  auto* boxB = new QGroupBox(QStringLiteral("有序链表lb"), this);
  boxB->setGeometry(136, 168, 272, 96);
  StaticTextB = SortedView(boxB, "StaticTextB", 10, 60);
  EditB = ListEdit(boxB, "EditB", 10, 26, StaticTextB);

  OKBtn = new TButton(QStringLiteral("确定"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(136, 282, 100, 34);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  CancelBtn = new TButton(QStringLiteral("取消"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(280, 282, 100, 34);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
  OKBtn->OnClick = [this] {
    if (CheckWestern(EditA->text() + EditB->text())) return;
    SetModalResult(mrNone);
  };
}

bool TInput2LinksDlg::Execute() {
  EditA->setText(TextA);
  EditB->setText(TextB);
  StaticTextA->setText(SortText(TextA));
  StaticTextB->setText(SortText(TextB));
  EditA->setFocus();
  const bool ok = ShowModal() == mrOk;
  if (ok) {
    TextA = StaticTextA->text();
    TextB = StaticTextB->text();
  }
  return ok;
}
