#pragma once
// A demonstration drawn in one window of its own, of class Form: the window is made after
// the algorithm and variable windows and freed with the demonstration.
//
//   class TDelSqlist : public TFormDemo<TSqlstGraphForm> {
//     Q_OBJECT
//    public:
//     using TFormDemo::TFormDemo;
//     ...
//   };
//
// Form must be complete where the demonstration is declared (its header includes Form's):
// the window is made and freed by code written here. A demonstration that also wires the
// window up overrides CreateChildWindow, calls this one first, then reaches it as graphForm_.
#include <memory>

#include "framework/engine/AlgoDemo.h"

template <class Form, class Base = TAlgoDemo>
class TFormDemo : public Base {
 public:
  using Base::Base;

  void CreateChildWindow() override {
    Base::CreateChildWindow();
    graphForm_ = std::make_unique<Form>();
  }
  Form* GraphForm() const { return graphForm_.get(); }

 protected:
  std::unique_ptr<Form> graphForm_;
};
