#pragma once
// The call-stack window: the active calls of the algorithm text as a nested tree, outermost
// first, each call a child of the one that made it.
#include <QDialog>
#include <QStringList>

class QPushButton;
class QTreeWidget;

class TCallStackForm : public QDialog {
  Q_OBJECT
 public:
  explicit TCallStackForm(QWidget* parent = nullptr);

  // One node per call text, each the child of the one before, fully expanded.
  void Fill(const QStringList& callTexts);
  // The call texts shown, outermost first.
  QStringList Calls() const;

  QTreeWidget* StackView;
  QPushButton* OKBtn;
};
