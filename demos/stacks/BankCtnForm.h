#pragma once
// The container of the bank simulation's two views: a themed panel that holds the hall
// animation (TGF) and the data view (TADTF), one of them shown at a time, and above it the
// two buttons that choose between them.
#include "framework/drawkit/GraphForm.h"
#include "framework/drawkit/NodeContainer.h"
#include "platform/Controls.h"

class TGF;
class TADTF;

class TBankCtnForm : public TGraphForm {
 public:
  explicit TBankCtnForm(QWidget* parent = nullptr);

  TNodeContainer* CtnPanel;
  TSpeedButton* AnimBtn;  // "显示动画"
  TSpeedButton* AdtBtn;   // "显示队列"

  // Puts both views into the panel, each filling it; the animation is shown first.
  void HostViews(TGF* animation, TADTF* data);
  TGF* Animation() const { return gf_; }
  TADTF* Data() const { return adtf_; }

  // The animation view shown, the data view hidden, and the other way round; the button of
  // the view on show is the disabled one.
  void AnimBtnClick();
  void AdtBtnClick();

 protected:
  void FormResize() override;

 private:
  void ShowAnimation(bool on);
  void LayoutButtons();

  TGF* gf_ = nullptr;
  TADTF* adtf_ = nullptr;
};
