#pragma once
// The call-stack window: the active calls of the algorithm text as a nested tree, outermost
// first, each call a child of the one that made it. It opens with the innermost (current)
// call in view; the list scrolls but cannot be changed.
#include <QDialog>
#include <QStringList>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TCallStackForm : public QDialog {
  Q_OBJECT
 public:
  explicit TCallStackForm(QWidget* parent = nullptr);

  // One node per call text, each the child of the one before, fully expanded.
  void Fill(const QStringList& callTexts);
  // The call texts shown, outermost first.
  QStringList Calls() const;
  // The current call: the last of the chain.
  QTreeWidgetItem* Innermost() const;

  QTreeWidget* StackView;
  QPushButton* OKBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowInnermost();
};
