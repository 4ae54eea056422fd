#pragma once
// The calls a demonstration's "@C" step methods make and the variables its steps work on.
//
//   // 7    temp := Ackman(m, n-1)
//   TData* TAckman::Ackman_C_AckLine4() {
//     return NewFrame(IntVar("m", Var("m").Value()), IntVar("n", Var("n").Value() - 1));
//   }
//
// NewFrame builds the callee's locals from the declaration of its variables, in order, and
// hands them to the engine (the step method returns them; the engine adopts them). AddVars
// declares further variables in a record that exists already (the caller's Locals).
// TFrameVar gives typed access to one variable of a record; TAlgoDemo::Var makes one for
// the current frame. It is looked up when made and cannot be copied, moved or assigned, so a
// step cannot keep it past the return that frees the frame: each step looks again.
#include <QString>
#include <memory>
#include <utility>

#include "framework/engine/BasicData.h"
#include "framework/engine/Errors.h"

inline std::unique_ptr<TIntData> IntVar(const char* name, int value) {
  return std::make_unique<TIntData>(QString::fromLatin1(name), value);
}
inline std::unique_ptr<TCharData> CharVar(const char* name, char value) {
  return std::make_unique<TCharData>(QString::fromLatin1(name), value);
}
inline std::unique_ptr<TBoolData> BoolVar(const char* name, bool value) {
  return std::make_unique<TBoolData>(QString::fromLatin1(name), value);
}
inline std::unique_ptr<TStringData> StrVar(const char* name, const QString& value) {
  return std::make_unique<TStringData>(QString::fromLatin1(name), value);
}

// Adds the variables to record in the order given.
template <class... Vars>
void AddVars(TData& record, std::unique_ptr<Vars>... vars) {
  (record.Add(std::move(vars)), ...);
}

// A new record of the variables in the order given, for the engine to adopt as a callee's
// locals.
template <class... Vars>
[[nodiscard]] TData* NewFrame(std::unique_ptr<Vars>... vars) {
  auto frame = std::make_unique<TData>(QString());
  AddVars(*frame, std::move(vars)...);
  return frame.release();
}

// One variable of a record, typed. A record without it (or with it of another class)
// raises EDemoError "no variable NAME": the text and the step methods disagree.
template <class T = TIntData>
class TFrameVar {
 public:
  TFrameVar(const TData* record, const char* name)
      : var_(record ? dynamic_cast<T*>(record->FindByName(QString::fromLatin1(name))) : nullptr) {
    if (var_ == nullptr) throw EDemoError(QStringLiteral("no variable ") + QString::fromLatin1(name));
  }
  TFrameVar(const TFrameVar&) = delete;
  TFrameVar& operator=(const TFrameVar&) = delete;

  auto Value() const { return var_->Value(); }
  template <class V>
  void SetValue(V&& value) const {
    var_->SetValue(std::forward<V>(value));
  }
  T* operator->() const { return var_; }
  T& operator*() const { return *var_; }

 private:
  T* var_;
};
