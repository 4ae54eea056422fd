#pragma once
// What the four linked-list demonstrations share: the list text typed for them (kept while
// the program runs), the base class asking for it, the drawing window of one list with its
// three pointer marks, the window of the three lists of a merge, and the dialog asking for
// two ordered lists.
#include <QLabel>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/KitControl.h"
#include "framework/engine/AlgoDemo.h"
#include "platform/Forms.h"

class TEdit;
class TLink;
class TPointer2;

// Longest list text the demonstrations take.
inline constexpr int MaxListText = 16;

// The list text of building, inserting and deleting: asked for by each of them, prefilled
// with the last answer.
inline QString LinkListText = QStringLiteral("asdfghjkl");

// Asks for an integer in an input query prefilled with value; text that is not an integer is
// refused with a message and asked for again. False (value unchanged) when cancelled.
bool QueryInteger(const QString& caption, const QString& prompt, int& value);

class TLinkGraphForm;
class TLinkNode;

// Base of building, inserting and deleting: the list text and the drawing window of one list,
// docked on the left beside the algorithm and variable windows.
class TLinkBase : public TAlgoDemo {
  Q_OBJECT
 public:
  TLinkBase(const QStringList& source, const QString& caption, int dockWidth);
  ~TLinkBase() override;
  // The list text: "链表" / "建立数据". Cancel answers false and keeps the text; a text
  // longer than 16 characters is announced and cut; an empty one keeps the previous text.
  bool CreateData() override;
  void CreateChildWindow() override;
  void SetWindowRect() override;
  void UpdateChildWindow() override;

  TLinkGraphForm* GraphForm() const { return graphForm_.get(); }

 protected:
  // The arguments la (nil), a (one character a[k] per character of the list text, k from
  // firstIndex) and n.
  static std::unique_ptr<TData> ListParams(int firstIndex);
  // The list as records in record: a head "头结点", then "值为c的结点" per character,
  // linked in order; the arguments' la points at the head, which is returned.
  static TLinkNode* AddListRecords(TData& record);
  // The locals of a walk to position i: the list's records, p, the second pointer (s or q),
  // j = 0 and i; the marks p and q detached.
  void AddWalkLocals(const char* second, int position);
  // The head node and one node per character of the list text, la on the head.
  static void DrawList(TLinkGraphForm& form, int column);
  // p has moved on to the node after node j: that node red and green, the node left behind
  // (not the head) back to its normal colours, the mark p on it (hidden when there is none).
  static void WalkOn(TLinkGraphForm& form, int j);
  // The drawn node a pointer of the current call stands on: the records from the one la
  // points at are drawn in order from node 1; none when it points at no record of the list.
  TShapeRef DrawnNodeOf(const char* pointer) const;
  // The record a pointer variable of the current call points at (nullptr: none, or no such
  // variable).
  const TLinkNode* Target(const char* pointer) const;
  // The pointer whose colours a node of a walk wears: q (the node to delete), or p once it has
  // left the head; nothing for the others.
  QString WalkNote(const TLinkNode& record) const;
  // Each drawn node of the list, the floating one (index 0) included, stands for the record
  // records() gives at its index, or floating() for the floating one; with walk, its colours
  // for the pointer of the walk standing on it (WalkNote).
  void ListStandsFor(std::function<std::vector<const TLinkNode*>()> records,
                     std::function<const TLinkNode*()> floating, bool walk);

  std::unique_ptr<TLinkGraphForm> graphForm_;

 private:
  QString caption_;
  int dockWidth_;
};

// The drawing window of one list: the list Link over the whole window and the marks la, p
// and q inside it, all hidden at first.
class TLinkGraphForm : public TGraphForm {
 public:
  explicit TLinkGraphForm(QWidget* parent = nullptr);
  TLink* Link;
  TPointer2* la;
  TPointer2* p;
  TPointer2* q;
};

// The three lists of a merge, stacked: Link1 (la), Link2 (lb), Link3 (lc).
class TLUF : public TGraphForm {
 public:
  explicit TLUF(QWidget* parent = nullptr);
  TLink* Link1;
  TLink* Link2;
  TLink* Link3;
  TLink* Lists(int i) const { return i == 1 ? Link1 : i == 2 ? Link2 : Link3; }
};

// The two ordered lists of a merge. Each edit shows its characters sorted below it; the
// sorted texts are what is kept.
class TInput2LinksDlg : public TForm {
 public:
  explicit TInput2LinksDlg(QWidget* parent = nullptr);

  // Characters in ascending order of their codes.
  static QString SortText(const QString& s);
  // Shows the stored texts, then stores the sorted views; true on OK.
  bool Execute();

  QString TextA;
  QString TextB;
  TEdit* EditA;
  TEdit* EditB;
  QLabel* StaticTextA;
  QLabel* StaticTextB;
  TButton* OKBtn;
  TButton* CancelBtn;
};
