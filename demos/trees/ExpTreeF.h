#pragma once
// The windows of the expression tree: the drawing window TExptF (the expression, the
// operator stack and the stack of pending operand subtrees with their displays, six subtree
// slots and the final tree), the question TCalNeededF and the value dialog
// TTreeValueInputDlg where each letter of the final tree gets a digit.
#include <QString>
#include <array>
#include <memory>

#include "demos/stacks/LinkedStack.h"
#include "demos/stacks/RunningDog.h"
#include "demos/trees/BinCharTreeCreateDlg.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "platform/Controls.h"
#include "platform/Forms.h"

class QLabel;
class QTextEdit;
class TBinCharTree;
class TBinCharTreeNode;
class TClickLabel;
class TStackBox;
class TTreeNodeBase;
class TZqStaticText;

class TExptF : public TGraphForm, public TKitControl {
 public:
  explicit TExptF(QWidget* parent = nullptr);
  ~TExptF() override;

  static constexpr int StackRows = 8;

  TEdit* Edit1;
  TZqStaticText* Label2;  // the last refusal, kept hidden as the layout has it
  TButton* BitBtn2;
  TZqStaticText* StaticText4;
  TZqStaticText* StaticText5;
  TZqStaticText* Label3;
  TZqStaticText* Label1;
  TButton* BitBtn3;
  TZqStaticText* StaticText6;
  TStackBox* StackBox1;  // operators
  TStackBox* StackBox2;  // pending operand subtrees
  TClickLabel* Label6;
  std::array<TBinCharTree*, 7> Trees{};  // [0] the final tree, [1..6] the slots
  TBinCharTree* LastBinCharTree;
  TEdit* CharEdit;

  // The expression typed (or drawn by Label6) checked and prepared for a run; a refused
  // one shows "运算符格式错误！" (or why it is too large) and the run buttons stay off.
  bool BitBtn2Click();
  void Label6Click();
  // Reset and the data button: the accepted expression prepared again from its start.
  void PrepareAgain();
  bool Accepted() const { return !expression_.isEmpty(); }
  // The dog runs along the edit, then the edit takes the expression.
  void RunDog();

  // ---- the build's moves
  void ShowOperators();
  void ShowOperands();
  // Reads the next character: answers it.
  QChar GetOneChar();
  bool IsOperand() const { return isOperand_; }
  void CrtNodePush(QChar letter);
  void PushOperator(QChar op);
  QChar TopOperator() const;
  bool OperatorsEmpty() const { return optr_.IsEmpty(); }
  void PopOperator();
  // The subtree of the top operator over the two newest pending subtrees.
  void CrtSubtree();
  // The last pending subtree becomes the final tree; answers its root's letter.
  QChar GetTopPop();
  // The evaluation shows in the edit from now on.
  void StartEvaluation(const TBinCharTree& valued);
  void ShowResult(int value);
  // What the edit's text stands for while it shows the evaluation's result.
  std::vector<TValueMeaning> ResultStands;
  // While the evaluation shows in the edit: the edit as a cell noted with its text (its glyphs
  // are the edit's own, not in the paint record), held to ResultStands.
  std::vector<TDrawnShape> DrawingShapes() const override;

 protected:
  void FormResize() override;

 private:
  void Layout();
  void ClearSlots();
  // Each slot in use takes the free slots beside and above it.
  void FitSlots();
  // Once the expression is read to its "#" and one subtree is left, that subtree is the
  // finished tree: it moves from its small slot to the final tree's place, where its letters
  // read, without waiting for the pop.
  void ShowFinalTree();
  // The program's own texts in the edit leave the start button as it is.
  void SetEditText(const QString& text);
  // Shows the given stack in its display, bottom first (the top rows when it is taller).
  void Redraw(const StringStack& stack, TStackBox& box);

  StringStack optr_, opnd_;
  QString expression_;  // accepted, ending in "#"
  int i_ = 0;           // characters read so far
  int free_ = 1;        // next free slot
  bool endReached_ = false;
  bool isOperand_ = false;
  bool evaluating_ = false;
  bool settingText_ = false;
  TRunningDog dog_;
};

class TCalNeededF : public TForm {
 public:
  explicit TCalNeededF(QWidget* parent = nullptr);
  QTextEdit* RichEdit1;
  TButton* YesBtn;
  TButton* NoBtn;
};

class TTreeValueInputDlg : public TForm {
 public:
  explicit TTreeValueInputDlg(QWidget* parent = nullptr);
  ~TTreeValueInputDlg() override;

  TBinCharTree* Tree;
  QLabel* Image1;
  TButton* OKBtn;
  TButton* CancelBtn;
  TEdit* CharEdit;

  void TreeNodeClick(TTreeNodeBase& node) { digits_.NodeClick(node); }
  void RandomCrtBtnClick();
  void UserCrtBtnClick();
  // Refused while a letter is left: the evaluation would miss its operand.
  void OKBtnClick();

 private:
  TNodeLetterEdit digits_;
};

// True when some node of the tree still holds a letter a..z.
bool ExpTreeHasLetter(const TBinCharTreeNode* node);
