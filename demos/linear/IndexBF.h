#pragma once
// Brute-force search of a pattern T in a source S: i runs over S and j over T; on a
// mismatch i goes back to one past the start of the attempt and j to 1.
#include <QString>
#include <memory>

#include "demos/linear/IndexStrsForm.h"
#include "framework/drawkit/FormDemo.h"
#include "framework/engine/AlgoDemo.h"
#include "framework/engine/BasicData.h"
#include "platform/Color.h"

class TCoolMsgDlg;

// What the result window says of a search's result.
QString MatchMessage(int result);
// The cell colours of the two strings.
struct TStrColors {
  TColor Back, Normal, Matched, Current;
};
inline constexpr TStrColors kSourceColors{clSilver, clBlue, clGreen, clRed};
inline constexpr TStrColors kPatternColors{clGreen, clBlue, clYellow, clRed};

// The pattern-matching demonstrations' shared windows and input.
class TIndexDemo : public TFormDemo<TIndexStrsForm> {
  Q_OBJECT
 public:
  TIndexDemo(const QStringList& source, const QString& caption);
  ~TIndexDemo() override;

  void CreateChildWindow() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;
  void ClearGraph() override;

  QString S;
  QString T;

 protected:
  // The two strings glide in: upper above with the source's colours, lower below with the
  // pattern's.
  void CreateBoxes(const QString& upper, const QString& lower);
  // The result in Main's "index" and in the result window.
  void ShowResult(int result);
  TData* Args(std::initializer_list<TData*> vars) const;

  QString caption_;
  std::unique_ptr<TCoolMsgDlg> msgDlg_;
};

class TIndexBF : public TIndexDemo {
  Q_OBJECT
 public:
  explicit TIndexBF(const QStringList& source);

  std::unique_ptr<TData> GetGlobalData() override;
  std::unique_ptr<TData> GetInitialParam() override;

  int MatchResult = 0;

  Q_INVOKABLE TData* Main_C_Begin();
  Q_INVOKABLE void Main_AfterBegin();
  Q_INVOKABLE void IndexBF_Begin();
  Q_INVOKABLE bool IndexBF_F_Loop();
  Q_INVOKABLE bool IndexBF_F_Equal();
  Q_INVOKABLE void IndexBF_NextChar();
  Q_INVOKABLE void IndexBF_FirstChar();
  Q_INVOKABLE bool IndexBF_F_GoOut();
  Q_INVOKABLE void IndexBF_Found() {}
  Q_INVOKABLE void IndexBF_NotFound() {}
};
