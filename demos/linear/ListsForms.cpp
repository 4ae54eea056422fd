#include "demos/linear/ListsForms.h"

#include <QEvent>
#include <QPainter>

#include "demos/linear/ListsKit.h"
#include "framework/drawkit/WesternText.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/ModalHost.h"
#include "platform/PaintRecord.h"

TListsForm::TListsForm(QWidget* parent) : TGraphForm(parent) {
  SetDesignClientSize(536, 348);
  theLists = Place(new TLists(this), 0, 0, 536, 348);
  theLists->setObjectName(QStringLiteral("theLists"));
  theLists->Color = clSilver;
  theLists->SetRow(7);
  theLists->SetColumn(6);
  theLists->SetColor(TLists::MarkedLColor, clBlack);
  theLists->SetColor(TLists::FocusTColor, clBlue);
  theLists->SetColor(TLists::ModifiedLineColor, clBlack);
  theLists->SetColor(TLists::IDColor, clBlack);
}

TDualListsForm::TDualListsForm(QWidget* parent) : TGraphForm(parent) {
  SetDesignClientSize(536, 348);
  Lists1 = Place(new TLists(this), 0, 0, 536, 174);
  Lists2 = Place(new TLists(this), 0, 174, 536, 174);
  Lists1->setObjectName(QStringLiteral("Lists1"));
  Lists2->setObjectName(QStringLiteral("Lists2"));
  Lists1->Color = clSilver;
  Lists2->Color = clAqua;
  for (TLists* l : {Lists1, Lists2}) {
    l->SetRow(4);
    l->SetColumn(5);
  }
}

// ---------------------------------------------------------------- TInputListsDlg

bool AskForList(QString& list, int row, int column, const QString& names) {
  TInputListsDlg dlg;
  dlg.Refuse = [row, column, names](const QString& typed) {
    // An atom written as a list node's letter would carry that node's address label ("n2").
    for (const QChar name : names)
      if (typed.contains(name))
        return names.size() == 1
                   ? QStringLiteral("结点以字母%1命名，原子不能是%1，请重新输入。").arg(name)
                   : QStringLiteral("结点以字母%1和%2命名，原子不能是%1或%2，请重新输入。").arg(names[0]).arg(names[1]);
    return TLists::Fits(typed, row, column)
               ? QString()
               : QStringLiteral("此广义表层次太深或元素太多，无法完整显示，请重新输入。");
  };
  if (!dlg.Execute()) return false;
  list = dlg.Result();
  return true;
}

TChoiceLabel::TChoiceLabel(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void TChoiceLabel::SetColor(TColor color) {
  color_ = color;
  update();
}

QSize TChoiceLabel::sizeHint() const { return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(4, 2); }

void TChoiceLabel::paintEvent(QPaintEvent*) {
  paintrecord::BeginPaint(this);
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(ToQColor(color_));
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
  paintrecord::AddPainterText(this, painter, rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
}

const std::array<const char*, TInputListsDlg::ChoiceCount> TInputListsDlg::Captions = {
    "( )",
    "((A),((B),C),D)",
    "((A,(B,(C))),( ),(((((D),E)))))",
    "(A,(B),( ),((C)),D)",
    "(( ),A,(B))",
    "(((A,(B)),C,(D),((E)),F))",
    "用户定义",
};

TInputListsDlg::TInputListsDlg(QWidget* parent) : TForm(parent) {
  setObjectName(QStringLiteral("InputListsDlg"));
  SetCaption(QStringLiteral("输入广义表"));
  SetBorderStyle(bsDialog);
  SetFormStyle(fsStayOnTop);
  SetPosition(poScreenCenter);
  SetKeyPreview(true);
  SetClientSize(512, 384);

  auto* back = new TImage(this);
  back->setGeometry(0, 0, 512, 384);
  back->SetStretch(true);
  if (auto bmp = LoadPicture(QStringLiteral("image\\Lists.bmp"))) back->Assign(bmp->Image());

  auto* prompt = new QLabel(QStringLiteral("请选择一个广义表。"), this);
  TFont kai;
  kai.Name = QStringLiteral("楷体_GB2312");
  kai.Height = -24;
  ApplyFont(*prompt, kai);
  prompt->move(40, 20);
  prompt->adjustSize();

  Image2 = new TImage(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(40, 74, 40, 24);
  Image2->SetStretch(true);
  if (auto bmp = LoadPicture(QStringLiteral("image\\ListsMarker.bmp"))) {
    Image2->Assign(bmp->Image());
    Image2->SetTransparent(true);
  }
  Image2->hide();

  TFont choiceFont;
  choiceFont.Name = QStringLiteral("Times New Roman");
  choiceFont.Height = -24;
  choiceFont.Style = fsBold;
  choiceFont.Color = clBlue;
  for (int i = 1; i <= ChoiceCount; ++i) {
    auto* label = new TChoiceLabel(QString::fromUtf8(Captions[static_cast<std::size_t>(i - 1)]), this);
    label->setObjectName(QStringLiteral("Choice%1").arg(i));
    ApplyFont(*label, choiceFont);
    label->move(100, 36 + 36 * i);
    label->resize(label->sizeHint());
    label->installEventFilter(this);
    connect(label, &QAbstractButton::clicked, this, [this, i] { SelectChoice(i); });
    Choices[static_cast<std::size_t>(i - 1)] = label;
  }

  Edit1 = new TEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  TFont editFont;
  editFont.Name = QStringLiteral("Times New Roman");
  editFont.Height = -20;
  editFont.Style = fsBold;
  ApplyFont(*Edit1, editFont);
  Edit1->setGeometry(230, 36 + 36 * 7, 260, 30);
  Edit1->hide();
  connect(Edit1, &QLineEdit::textChanged, this, [this] { CheckListSyntax(); });

  TFont buttonFont;
  buttonFont.Name = QStringLiteral("宋体");
  buttonFont.Height = -29;
  OKBtn = new TButton(QStringLiteral("确定"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setFlat(true);
  ApplyFont(*OKBtn, buttonFont);
  OKBtn->setGeometry(120, 336, 100, 38);
  OKBtn->ModalResult = mrOk;
  OKBtn->SetDefault(true);
  OKBtn->OnClick = [this] { OKBtnClick(); };
  CancelBtn = new TButton(QStringLiteral("取消"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setFlat(true);
  ApplyFont(*CancelBtn, buttonFont);
  CancelBtn->setGeometry(292, 336, 100, 38);
  CancelBtn->ModalResult = mrCancel;
  CancelBtn->Cancel = true;
}

bool TInputListsDlg::Execute() {
  Edit1->clear();
  SelectChoice(1);
  Image2->move(Scaled(40), Scaled(74));
  Image2->show();
  return ShowModal() == mrOk;
}

void TInputListsDlg::Recolour(int i) {
  TChoiceLabel* label = Choices[static_cast<std::size_t>(i - 1)];
  QFont f = label->font();
  f.setUnderline(i == hot_);
  label->setFont(f);
  label->SetColor(i == hot_ ? clGreen : i == selected_ ? clRed : clBlue);
}

void TInputListsDlg::Hover(int i) {
  const int old = hot_;
  hot_ = i;
  if (old > 0) Recolour(old);
  if (i > 0) Recolour(i);
}

void TInputListsDlg::SelectChoice(int i) {
  const int old = selected_;
  selected_ = i;
  Recolour(old);
  Recolour(i);
  Image2->move(Scaled(40), Scaled(36 + 36 * i + 2));  // as large as the dialog has grown
  if (i == ChoiceCount) {
    Edit1->show();
    Edit1->setFocus();
    CheckListSyntax();
  } else {
    Edit1->hide();
    OKBtn->setEnabled(true);
  }
}

void TInputListsDlg::CheckListSyntax() {
  // A text with other than one-byte characters keeps "确定" enabled, so that pressing it
  // says why the text is refused.
  if (selected_ == ChoiceCount)
    OKBtn->setEnabled(::CheckListSyntax(Edit1->text()) || !WesternText(Edit1->text()));
}

bool TInputListsDlg::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 1; i <= ChoiceCount; ++i) {
    if (watched != Choices[static_cast<std::size_t>(i - 1)]) continue;
    if (event->type() == QEvent::Enter && hot_ != i) Hover(i);
    if (event->type() == QEvent::Leave) Hover(0);
  }
  return TForm::eventFilter(watched, event);
}

void TInputListsDlg::OKBtnClick() {
  QString text = selected_ == ChoiceCount
                     ? Edit1->text()
                     : QString::fromUtf8(Captions[static_cast<std::size_t>(selected_ - 1)]);
  text.remove(QLatin1Char(' '));
  if (selected_ == ChoiceCount && !CheckWestern(text)) {
    SetModalResult(mrNone);
    return;
  }
  if (selected_ == ChoiceCount && Refuse) {
    const QString why = Refuse(text);
    if (!why.isEmpty()) {
      modal::ShowMessage(why);
      SetModalResult(mrNone);
      return;
    }
  }
  result_ = text;
}
