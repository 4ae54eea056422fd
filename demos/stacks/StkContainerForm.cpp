#include "demos/stacks/StkContainerForm.h"

#include <QEvent>
#include <algorithm>

#include "framework/drawkit/StackBox.h"
#include "platform/Forms.h"

namespace {

// Over the fields of the stack's rows, in the rows' font.
const QString kHeading = QStringLiteral("Addr   succ   k   x   y   i");
constexpr int kDesignHeight = 183;
constexpr int kPanel2Height = 23;
// The two page buttons side by side, 3 pixels from each other and from the panel's edge.
constexpr int kButtonWidth = 30;
constexpr int kButtonsRoom = 3 + kButtonWidth + 3 + kButtonWidth + 3;

TSpeedButton* PageButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new TSpeedButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  // Never under the least legible height of the screen (16 pixels on a large one).
  const TFont font{.Name = QStringLiteral("Arial"), .Height = -std::max(15, LegiblePixels()), .Color = clRed};
  ApplyFont(*button, font);
  button->hide();
  return button;
}

}  // namespace

TStkContainerForm::TStkContainerForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StkContainer"));
  setWindowTitle(QStringLiteral("堆栈"));
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
  resize(302, kDesignHeight);

  Panel2 = new TPanel(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(0, kDesignHeight - kPanel2Height, 302, kPanel2Height);
  Panel2->SetColor(clAqua);
  SetAlign(*Panel2, alBottom);
  // The heading stands under the right column of the page, which holds the newest rows, at
  // the place and in the font of that column's fields.
  Heading = new TPaintBox(Panel2);
  Heading->setObjectName(QStringLiteral("Heading"));
  Heading->Color = clAqua;
  Heading->OnPaint = [this](TPaintBox& box) {
    // Writing the heading leaves the brush clear: the panel is cleared with a solid one, or
    // the heading of the size before stays under the new one.
    box.Canvas().Brush.Color = clAqua;
    box.Canvas().Brush.Style = bsSolid;
    box.Canvas().FillRect(box.ClientRect());
    if (Stack == nullptr) return;
    const int col = Stack->ColCount - PerPage - Page;
    const QPoint origin = box.mapFrom(this, Stack->mapTo(this, QPoint(Stack->FieldX(col), 0)));
    Stack->WriteHeading(box.Canvas(), kHeading, clBlue, origin.x(), 0, box.height());
  };
  Panel1 = new TPanel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  SetAlign(*Panel1, alClient);

  BtnL = PageButton(Panel2, "BtnL", QStringLiteral("<<"));
  BtnR = PageButton(Panel2, "BtnR", QStringLiteral(">>"));
  BtnL->OnClick = [this] { BtnLClick(); };
  BtnR->OnClick = [this] { BtnRClick(); };
  Panel1->installEventFilter(this);
  Panel2->installEventFilter(this);
  RealignChildren(*this);
  Panel2Resize();
}

TStkContainerForm::~TStkContainerForm() { ReleaseStack(); }

bool TStkContainerForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (watched == Panel1) Panel1Resize();
    if (watched == Panel2) Panel2Resize();
  }
  return QWidget::eventFilter(watched, event);
}

void TStkContainerForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The bottom panel keeps its share of the height, so that the heading, in the rows' font,
  // fits it in a window larger than designed, and never gets lower than the page buttons'
  // letters in a window made smaller.
  if (Panel2 == nullptr) return;
  const int buttons = BtnR != nullptr ? BtnR->fontMetrics().height() + 8 : 0;
  Panel2->resize(Panel2->width(), std::max({kPanel2Height, height() * kPanel2Height / kDesignHeight, buttons}));
  RealignChildren(*this);
}

void TStkContainerForm::Embed() {
  // Owned by Panel1 from here on, and freed by ReleaseStack.
  EmbeddedStack = MakeStackWindow(
                      {.cols = 11, .rows = 6, .title = QString(), .columns = true, .fieldChars = static_cast<int>(kHeading.size())})
                      .release();
  EmbeddedStack->setParent(Panel1);
  EmbeddedStack->setWindowFlags(Qt::Widget);
  Stack = EmbeddedStack->Stack;
  // The columns move under the window as it pages: a ground copied from the backdrop under
  // them would be stale after every page and every slide restored elsewhere. Plain white,
  // the stack window's own colour, is the same under every column at every speed.
  Stack->Transparent = false;
  Stack->Color = clWhite;
  ResetPage();
  EmbeddedStack->show();
}

void TStkContainerForm::ReleaseStack() {
  delete EmbeddedStack;
  EmbeddedStack = nullptr;
  Stack = nullptr;
}

void TStkContainerForm::ResetPage() {
  if (Stack == nullptr) return;
  PerPage = ColumnsThatFit();
  // One column fills the window: the page buttons go to the right of its fields.
  Stack->SetFieldReserve(PerPage == 1 ? kButtonsRoom : 0);
  Panel2Resize();
  if (PerPage == 2) {
    const int used = std::max(1, Stack->Count() / Stack->RowCount);
    MinPage = Stack->ColCount - used - 1;
  } else {
    // The column of the newest row.
    MinPage = Stack->ColCount - 1 - std::max(0, Stack->Count() - 1) / Stack->RowCount;
  }
  Page = MinPage;
  UpdatePage();
}

void TStkContainerForm::UpdatePage() {
  Panel1Resize();
  const int colCount = Stack != nullptr ? Stack->ColCount : 2;
  BtnL->setVisible(Page > MinPage);
  BtnR->setVisible(Page < colCount - PerPage);
}

int TStkContainerForm::ColumnsThatFit() const {
  if (Stack == nullptr) return 2;
  const QSize two(Stack->ColCount * Panel1->width() / 2, Panel1->height());
  return Stack->FieldFontFor(two, 0).Height >= LegiblePixels() ? 2 : 1;
}

void TStkContainerForm::Panel1Resize() {
  if (EmbeddedStack == nullptr) return;
  // A width that changes how many columns fit starts again at the newest page.
  if (ColumnsThatFit() != PerPage) {
    ResetPage();
    return;
  }
  const int w = Panel1->width();
  EmbeddedStack->setGeometry((-w * Page) / PerPage, 0, Stack->ColCount * w / PerPage, Panel1->height());
  Heading->Invalidate();
}

void TStkContainerForm::Panel2Resize() {
  const int h = Panel2->height() - 6;
  // Both buttons under the left column, clear of the heading; right of the fields where one
  // column fills the window.
  const int left = PerPage == 1 ? Panel2->width() - kButtonsRoom : 0;
  BtnL->setGeometry(left + 3, 3, kButtonWidth, h);
  BtnR->setGeometry(left + 3 + kButtonWidth + 3, 3, kButtonWidth, h);
  const int inset = Panel2->Inset();
  Heading->setGeometry(inset, inset, Panel2->width() - 2 * inset, Panel2->height() - 2 * inset);
  Heading->lower();
  Heading->Invalidate();
}

void TStkContainerForm::BtnLClick() {
  --Page;
  UpdatePage();
}

void TStkContainerForm::BtnRClick() {
  ++Page;
  UpdatePage();
}
