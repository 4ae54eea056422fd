#pragma once
// The nearly optimal search tree: the cumulative weights of an ordered table, then,
// recursively over each range of the table, the key whose two sides weigh most nearly the
// same becomes the root of that range's subtree. A stack window shows one row per active
// call of the recursive procedure.
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TAckmanGraphForm;
class TBinCharTreeNode;
class TNOSTForm;
struct TRunFrames;

// One row of the stack window: the line of the call (0 from CreateSOSTree), the node whose
// subtree the call builds (none for the root) and the range low..high.
class TNOSTStackData : public TData {
 public:
  TNOSTStackData(const QString& name, int lineNo, const TBinCharTreeNode* parent, int low, int high);
  // "9       B         1        1"; without a parent "0       NIL       1        3" (NULL in C).
  QString GetText() const override;
  // The same of a row with that parent's letter ('\0': no parent).
  static QString RowText(int lineNo, char parent, int low, int high);

  int LineNo;
  const TBinCharTreeNode* RowParent;
  int Low, High;

 private:
  char letter_ = ' ';  // the parent's letter, taken when the row is made
};

class TNOST : public TAlgoDemo {
  Q_OBJECT
 public:
  static constexpr int kMaxKeys = 15;

  explicit TNOST(const QStringList& source);
  ~TNOST() override;

  void CreateChildWindow() override;
  void DestroyChildWindow() override;
  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;
  void UpdateChildWindow() override;

  TNOSTForm* Form() const { return form_.get(); }
  TAckmanGraphForm* StackForm() const { return stackForm_.get(); }

  int Count = 0;
  std::array<char, kMaxKeys + 1> Keys{};    // [1..Count]
  std::array<int, kMaxKeys + 1> Weights{};  // [1..Count]
  std::array<int, kMaxKeys + 1> SW{};       // [0..Count]

  // ---- Step methods: "CreateSOSTree"
  Q_INVOKABLE void CreateSOSTree_Begin() {}
  Q_INVOKABLE void CreateSOSTree_else() {}
  Q_INVOKABLE TData* CreateSOSTree_C_sw();
  Q_INVOKABLE void CreateSOSTree_Aftersw() {}
  Q_INVOKABLE TData* CreateSOSTree_C_so();
  Q_INVOKABLE void CreateSOSTree_Afterso();
  Q_INVOKABLE void CreateSOSTree_endelse() {}
  // ---- "FindSw"
  Q_INVOKABLE void FindSw_Begin();
  Q_INVOKABLE bool FindSw_F_fori();
  // ---- "SecondOptimal"
  Q_INVOKABLE void SecondOptimal_Begin();
  Q_INVOKABLE bool SecondOptimal_F_forj();
  Q_INVOKABLE bool SecondOptimal_F_ifabs();
  Q_INVOKABLE void SecondOptimal_ibj();
  Q_INVOKABLE void SecondOptimal_endifabs() {}
  Q_INVOKABLE bool SecondOptimal_F_ifnt();
  Q_INVOKABLE void SecondOptimal_error();
  Q_INVOKABLE void SecondOptimal_tdata();
  Q_INVOKABLE bool SecondOptimal_F_ifiel();
  Q_INVOKABLE void SecondOptimal_tlc();
  Q_INVOKABLE TData* SecondOptimal_C_elseiel();
  Q_INVOKABLE void SecondOptimal_Afterelseiel();
  Q_INVOKABLE bool SecondOptimal_F_ifieh();
  Q_INVOKABLE void SecondOptimal_trc();
  Q_INVOKABLE TData* SecondOptimal_C_elseieh();
  Q_INVOKABLE void SecondOptimal_Afterelseieh();

 private:
  int V(const char* name) { return Var(name).Value(); }
  void Set(const char* name, int value) { Var(name).SetValue(value); }
  void PushRow(int lineNo, const TBinCharTreeNode* parent, int low, int high);
  // The record of a call building the subtree low..high below CurNode.
  TData* CallSubtree(bool left);
  // Back from that call: the caller's node and range again.
  void SubtreeReturned(bool left);
  void PointAt(TBinCharTreeNode* node);
  // Hides T, its target dropped, while a call has made no node.
  void HidePointer();
  // What the drawing's values stand for: the demonstration's table, the variables of the calls.
  void SayWhatIsDrawn();
  // The text of the stack row of call depth (the first SecondOptimal call being 1), made from
  // that call's range and its caller's choice.
  std::optional<QString> StackRowText(int depth) const;
  // The j the loop compares at the line the innermost call stands on (0: none), from the
  // engine's j: the text steps j on at the end of the loop's body.
  int ComparedJ(const TRunFrames& calls) const;
  // R[i] of the call on the stack that made node; nothing once that call returned.
  std::optional<QString> KeyOfCallNode(const TBinCharTreeNode* node) const;

  TBinCharTreeNode* CurNode = nullptr;
  // The node each call on the stack made (new(T)), none before it is made: the T of the call.
  std::vector<QPointer<TBinCharTreeNode>> callNodes_;
  TBinCharTreeNode* BuildParent = nullptr;
  bool BuildLeft = true;
  std::unique_ptr<TNOSTForm> form_;
  std::unique_ptr<TAckmanGraphForm> stackForm_;
};
