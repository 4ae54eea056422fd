#pragma once
// The tree dialog "建树": a copy of the demonstration's tree in which the user types a
// letter into any node ("满  树" gives the template of every place down to MaxDepth,
// "自动建树" a random tree). A node left blank (a space) is cut with its subtree on OK.
#include <QIcon>
#include <functional>

#include "platform/Controls.h"
#include "platform/Forms.h"

class TBinCharTree;
class TBinCharTreeNode;
class TTreeNodeBase;

// The letter edit of the tree dialogs. A click on a node highlights it and shows the edit
// under it (above it on the last level); a letter (lower case raised) or a space typed
// there becomes the node's value, and the edit hides again. Other keys are dropped. A click
// on another node meanwhile moves the edit there and leaves the first node unchanged. The
// dialog's buttons and keys keep working all the while: nothing waits in a loop.
class TNodeLetterEdit {
 public:
  TNodeLetterEdit(TBinCharTree& tree, TEdit& edit);

  void NodeClick(TTreeNodeBase& node);
  // The node waiting for its letter, or nullptr.
  TBinCharTreeNode* Pending() const { return pending_; }
  // Hides the edit and lets the waiting node go (its letter unchanged).
  void Cancel();

  // For other uses of the edit: which nodes react to a click (all when unset) and which
  // key becomes the value (a letter, raised, or a space when unset).
  std::function<bool(const TBinCharTreeNode&)> Editable;
  std::function<bool(QChar)> Accepts;

 private:
  void Typed(QChar& key);

  TBinCharTree& tree_;
  TEdit& edit_;
  TBinCharTreeNode* pending_ = nullptr;
};

class TBinCharTreeInputDlg : public TForm {
 public:
  explicit TBinCharTreeInputDlg(QWidget* parent = nullptr);
  ~TBinCharTreeInputDlg() override;

  TBinCharTree* Tree;
  TButton* OKBtn;
  TButton* CancelBtn;
  TButton* RandomCrtBtn;
  TButton* UserCrtBtn;
  TEdit* CharEdit;

  void TreeNodeClick(TTreeNodeBase& node) { letters_.NodeClick(node); }

 private:
  TNodeLetterEdit letters_;
};

// A dialog button at (x, y), 75 x 25 unless sized.
TButton* TreeDlgButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int width = 75,
                       int height = 25);

// A button glyph drawn as two images side by side in one picture: the button as it is, and
// disabled. An empty icon when the picture is missing.
QIcon TwoImageGlyph(const char* name);
