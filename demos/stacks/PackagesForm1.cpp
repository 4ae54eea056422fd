#include "demos/stacks/PackagesForm1.h"

#include "platform/ModalHost.h"

namespace {

constexpr int kButtonSide = 40;
constexpr int kButtonTop = 92;
constexpr int kAcceptLeft = 212;
constexpr int kCancelLeft = 258;

QImage Picture(const QString& name) {
  const auto picture = LoadPicture(name);
  return picture ? picture->Image() : QImage();
}

}  // namespace

TImage* TPackagesForm1::NewPicture(const QImage& picture, int x, int y) {
  auto* image = new TImage(Panel1);
  image->setGeometry(x, y, kButtonSide, kButtonSide);
  image->SetStretch(true);
  image->Assign(picture);
  image->setMouseTracking(true);
  return image;
}

TPackagesForm1::TPackagesForm1(QWidget* parent) : TForm(parent) {
  SetCaption(QStringLiteral("背包问题"));
  SetBorderStyle(bsSingle);
  SetPosition(poScreenCenter);
  SetClientSize(307, 206);

  Panel1 = new TPanel(this);
  Panel1->SetBevelOuter(bvLowered);
  Panel1->setGeometry(0, 0, 307, 206);

  Image1 = new TImage(Panel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(3, 3, 300, 200);
  Image1->SetStretch(true);
  Image1->Assign(Picture(QStringLiteral("PkgNo1.bmp")));
  Image1->setMouseTracking(true);
  Image1->OnMouseMove = [this](TShiftState, int, int) { ShowPlain(); };

  Edit1 = new TEdit(Panel1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(150, kButtonTop - 2, 52, 44);
  const TFont font{.Name = QStringLiteral("Arial"), .Height = -30, .Style = fsBold, .Color = clNavy};
  ApplyFont(*Edit1, font);
  Edit1->setAlignment(Qt::AlignCenter);
  Edit1->setText(QStringLiteral("1"));
  Edit1->OnKeyPress = [this](QChar& key) { KeyPressed(key); };
  QObject::connect(Edit1, &QLineEdit::returnPressed, this, [this] { Accept(); });

  for (int i = 0; i < 4; ++i) pictures_[static_cast<std::size_t>(i)] = Picture(QStringLiteral("PkgNo%1.bmp").arg(i + 2));
  Image2 = NewPicture(pictures_[0], kAcceptLeft, kButtonTop);
  Image3 = NewPicture(pictures_[1], kAcceptLeft, kButtonTop);
  Image4 = NewPicture(pictures_[2], kCancelLeft, kButtonTop);
  Image5 = NewPicture(pictures_[3], kCancelLeft, kButtonTop);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image3->setObjectName(QStringLiteral("Image3"));
  Image4->setObjectName(QStringLiteral("Image4"));
  Image5->setObjectName(QStringLiteral("Image5"));
  SetHint(*Image3, QStringLiteral("确定"));
  SetHint(*Image5, QStringLiteral("取消"));

  // Under the mouse a button lights up; pressing it shows it plain again; a click acts.
  Image3->OnMouseMove = [this](TShiftState, int, int) {
    Image3->hide();
    Image2->show();
  };
  Image5->OnMouseMove = [this](TShiftState, int, int) {
    Image5->hide();
    Image4->show();
  };
  Image2->OnMouseDown = [this](TMouseButton, TShiftState, int, int) { Image2->Assign(pictures_[1]); };
  Image4->OnMouseDown = [this](TMouseButton, TShiftState, int, int) { Image4->Assign(pictures_[3]); };
  Image2->OnClick = Image3->OnClick = [this] { Accept(); };
  Image4->OnClick = Image5->OnClick = [this] { done(mrCancel); };
  ShowPlain();
}

void TPackagesForm1::ShowPlain() {
  // A pressed button showed its plain picture; it lights up again next time.
  Image2->Assign(pictures_[0]);
  Image4->Assign(pictures_[2]);
  Image2->hide();
  Image4->hide();
  Image3->show();
  Image5->show();
}

int TPackagesForm1::Execute() {
  Edit1->setText(QString::number(ItemCount));
  Edit1->setFocus();
  Edit1->selectAll();
  return ShowModal();
}

void TPackagesForm1::KeyPressed(QChar& key) {
  if (key >= QChar('1') && key <= QChar('8')) Edit1->setText(QString(key));
  key = QChar();
}

void TPackagesForm1::Accept() {
  const QString text = Edit1->text();
  if (text.size() != 1 || text[0] < QChar('1') || text[0] > QChar('8')) {
    modal::ShowMessage(QStringLiteral("物品个数为1~8!"));
    return;
  }
  ItemCount = text[0].digitValue();
  Accepted = true;
  done(mrOk);
}
