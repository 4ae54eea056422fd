#pragma once
// What the internal-sort demonstrations share: a drawing window with the key row R and the
// counters LabelComp and LabelMove, the saved keys, the counts, and the input step that sizes
// the row to the keys entered.
#include <QRect>
#include <functional>
#include <initializer_list>

#include "demos/sort/SortData.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/drawkit/GraphForm.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"

class TZqStaticText;

TFont SortFont(const char* name, int height, TColor color, TFontStyles style = 0);

// Where a demonstration's run stands: whether its procedure is proc (letter case ignored), and
// whether its line carries one of the labels (false when it stands nowhere).
bool RunIn(const TAlgoDemo& demo, const char* proc);
bool RunAt(const TAlgoDemo& demo, std::initializer_list<const char*> labels);
// A value shown as map(v) gives it, v being the global at path (nothing: not held now).
TValueMeaning GlobalShown(const QString& path, std::function<std::optional<QString>(const QString& v)> map);
// A caption over what no one variable of the engine holds (the pivot rp, the record t being
// sifted, a row that shows whichever array a call was given) holds to its text.
void CaptionReads(TZqStaticText& caption, const QString& text);

class TSortGraphForm : public TGraphForm {
 public:
  explicit TSortGraphForm(QWidget* parent = nullptr);

  TSortData* R = nullptr;
  TZqStaticText* LabelComp = nullptr;
  TZqStaticText* LabelMove = nullptr;
  // Re-places what the demonstration placed by hand (boxes beside the row) after a resize.
  std::function<void()> OnRelayout;
  // Stands box on the row's ground under caption, a quarter of the caption's width in; first
  // makes it as high as its key against the row when fit.
  void StandUnder(TSortNode& box, const QWidget& caption, bool fit) const;

 protected:
  void FormResize() override;

  // A key row at its design bounds.
  template <class Row = TSortData>
  Row* PlaceRow(const char* name, QRect r, int capacity, int startIndex, TColor nodeColor, int ratio) {
    auto* row = Place(new Row(this), r.x(), r.y(), r.width(), r.height());
    SetupRow(*row, name, capacity, startIndex, nodeColor, ratio);
    return row;
  }
  TZqStaticText* PlaceCaption(const char* name, const QString& caption, QRect r, const TFont& font);
  void PlaceCounters(QRect comp, QRect move, const TFont& font);
  // A hidden box of the window (or of the row) that the demonstration moves around.
  template <class Node = TSortNode>
  Node* PlaceBox(QWidget* parent, const char* name, QRect r, TColor color, const QString& caption) {
    auto* box = new Node(parent);
    SetupBox(*box, name, r, color, caption);
    return box;
  }

 private:
  void SetupRow(TSortData& row, const char* name, int capacity, int startIndex, TColor nodeColor, int ratio);
  void SetupBox(TSortNode& box, const char* name, QRect r, TColor color, const QString& caption);
};

class TSortDemo : public TAlgoDemo {
  Q_OBJECT
 public:
  using TAlgoDemo::TAlgoDemo;

  QString Keys;  // the keys entered, replayed by every reset
  int CompCount = 0;
  int MoveCount = 0;

  virtual TSortGraphForm* SortForm() const = 0;

  void SetWindowRect() override;
  void UpdateChildWindow() override;

  // What the counters write for a count.
  static QString CompText(int count);
  static QString MoveText(int count);

 protected:
  // The row's input dialog with inputCapacity places; the row then keeps the keys entered
  // plus extraPlaces, at least minPlaces. False when cancelled.
  bool InputKeys(int inputCapacity, int minPlaces, int extraPlaces = 0);
  // The row set again to the saved keys, in its colour at rest, counters at zero.
  void ResetRow();
  void CountComp();
  void CountMove(int n = 1);
  void ShowCounts();
  // The counters stand for the counts the demonstration keeps.
  void HoldCounts();

  // Where the run stands (RunIn, RunAt).
  bool InProc(const char* proc) const { return RunIn(*this, proc); }
  bool AtOneOf(std::initializer_list<const char*> labels) const { return RunAt(*this, labels); }
  // What a key box stands for: the element at path (of the call given, the innermost one
  // falling back to the globals), in the colour colour() gives its place now; a blank element
  // shows no box.
  static TValueMeaning KeyBox(const QString& path, std::function<TColor()> colour,
                              TMarkMeaning::TCall call = TMarkMeaning::Innermost, int depth = 0);
  // The same for a key the text names but the engine holds no variable of (the pivot rp, the
  // record t being sifted), kept by the demonstration: key() (a blank: not held).
  static TValueMeaning HeldKey(std::function<char()> key, std::function<TColor()> colour);
  // The row's boxes at the places 1 .. n of the keys stand for the elements of array, whose
  // first item is array[first], in the colour colour(place) gives each place now.
  void HoldRow(TSortData& row, const QString& array, int first, std::function<TColor(int place)> colour);
  // A colour that does not change at any line.
  static std::function<TColor()> Always(TColor colour) {
    return [colour] { return colour; };
  }

  // The record of r (r[1] .. r[n], the saved keys) and n.
  std::unique_ptr<TData> KeysAndCount() const;
  // A vector "name[first]" .. of the keys given.
  static TVector* KeyVector(const QString& name, const QString& keys, int first = 1);
  static TCharData* KeyAt(TData* vector, int index, int first = 1);
  // Exchanges the shown keys of elements i and j (indexes from 1).
  static void SwapKeys(TData* vector, int i, int j);
  // A FOR loop's test: while last >= next, var := next and next + 1.
  static bool ForStep(TIntData* var, int& next, int last);
};

// A sort demonstration drawn in its own window of class Form (see FormDemo.h).
template <class Form>
class TFormSortDemo : public TFormDemo<Form, TSortDemo> {
 public:
  using TFormDemo<Form, TSortDemo>::TFormDemo;

  void CreateChildWindow() override {
    TFormDemo<Form, TSortDemo>::CreateChildWindow();
    this->HoldCounts();
  }
  TSortGraphForm* SortForm() const override { return this->graphForm_.get(); }
};

template <class T = TIntData>
T* Named(const TData* record, const char* name) {
  return static_cast<T*>(record->FindByName(QString::fromLatin1(name)));
}
