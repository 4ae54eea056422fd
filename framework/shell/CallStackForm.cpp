#include "framework/shell/CallStackForm.h"

#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "platform/Font.h"
#include "platform/Screen.h"

TCallStackForm::TCallStackForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("CallStackForm"));
  setWindowTitle(QStringLiteral("过程/函数调用情况"));
  setFixedSize(385, 263);
  move((screen::Width() - width()) / 2, (screen::Height() - height()) / 2);
  TFont font;
  font.Height = -14;
  setFont(font.ToQFont());

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(10, 10, 365, 198);

  StackView = new QTreeWidget(this);
  StackView->setObjectName(QStringLiteral("StackView"));
  StackView->setGeometry(16, 16, 353, 185);
  StackView->setHeaderHidden(true);
  StackView->setRootIsDecorated(false);
  StackView->setIndentation(18);
  // Read-only but not disabled: a deep recursion needs the scroll bars, the wheel and the
  // paging keys. Nothing can be selected or changed.
  StackView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StackView->setSelectionMode(QAbstractItemView::NoSelection);
  StackView->setItemsExpandable(false);
  StackView->setExpandsOnDoubleClick(false);
  StackView->setFocusPolicy(Qt::StrongFocus);
  // Each call stands 18 pixels right of its caller: the column is as wide as the innermost
  // call's text, so the list scrolls across to it too.
  StackView->header()->setStretchLastSection(false);
  StackView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  StackView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  TFont viewFont;
  viewFont.Height = -17;
  StackView->setFont(viewFont.ToQFont());
  QPalette pal = StackView->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    pal.setColor(group, QPalette::Text, ToQColor(clRed));
  StackView->setPalette(pal);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(153, 222, 93, 30);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TCallStackForm::Fill(const QStringList& callTexts) {
  StackView->clear();
  QTreeWidgetItem* parent = nullptr;
  for (const QString& text : callTexts) {
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(StackView, {text});
    parent = item;
  }
  StackView->expandAll();
  if (isVisible()) ShowInnermost();
}

QTreeWidgetItem* TCallStackForm::Innermost() const {
  QTreeWidgetItem* item = StackView->topLevelItemCount() ? StackView->topLevelItem(0) : nullptr;
  while (item && item->childCount()) item = item->child(0);
  return item;
}

void TCallStackForm::ShowInnermost() {
  QTreeWidgetItem* inner = Innermost();
  if (inner == nullptr) return;
  StackView->setCurrentItem(inner);  // the paging keys start from it
  StackView->scrollToItem(inner, QAbstractItemView::PositionAtBottom);
  StackView->horizontalScrollBar()->setValue(StackView->horizontalScrollBar()->maximum());
}

void TCallStackForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The list is laid out for its size only now: the current call is brought into view.
  StackView->doItemsLayout();
  ShowInnermost();
  StackView->setFocus();
}

QStringList TCallStackForm::Calls() const {
  QStringList out;
  for (QTreeWidgetItem* item = StackView->topLevelItemCount() ? StackView->topLevelItem(0) : nullptr;
       item; item = item->childCount() ? item->child(0) : nullptr)
    out << item->text(0);
  return out;
}
