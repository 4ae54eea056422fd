#include "demos/stacks/BankCtnForm.h"

#include "demos/stacks/BankADTF.h"
#include "demos/stacks/BankGF.h"
#include "platform/Forms.h"

TBankCtnForm::TBankCtnForm(QWidget* parent) : TGraphForm(parent) {
  setObjectName(QStringLiteral("BankCtnForm"));
  SetDesignClientSize(469, 480);
  CtnPanel = Place(new TNodeContainer(this), 0, 24, 469, 456);
  CtnPanel->setObjectName(QStringLiteral("CtnPanel"));
  AnimBtn = new TSpeedButton(QStringLiteral("显示动画"), this);
  AnimBtn->setObjectName(QStringLiteral("AnimBtn"));
  AnimBtn->OnClick = [this] { AnimBtnClick(); };
  AdtBtn = new TSpeedButton(QStringLiteral("显示队列"), this);
  AdtBtn->setObjectName(QStringLiteral("AdtBtn"));
  AdtBtn->OnClick = [this] { AdtBtnClick(); };
  // The buttons stand on the stretched backdrop, light or dark by turns as the window's size
  // changes: their captions are outlined, the disabled one (the view shown) grey in white.
  AnimBtn->OutlinedCaption = true;
  AdtBtn->OutlinedCaption = true;
  LayoutButtons();
}

void TBankCtnForm::HostViews(TGF* animation, TADTF* data) {
  gf_ = animation;
  adtf_ = data;
  for (TGraphForm* view : {static_cast<TGraphForm*>(gf_), static_cast<TGraphForm*>(adtf_)}) {
    view->setParent(CtnPanel);
    SetAlign(*view, alClient);
  }
  AnimBtnClick();
}

void TBankCtnForm::ShowAnimation(bool on) {
  if (gf_ == nullptr || adtf_ == nullptr) return;
  gf_->AnimOn = on;
  // While the data view was shown the queues went on without the hall: it is drawn again from
  // them, nobody walking and the last announcement gone.
  if (on) gf_->ResetScene();
  gf_->setVisible(on);
  adtf_->setVisible(!on);
  AnimBtn->setEnabled(!on);
  AdtBtn->setEnabled(on);
}

void TBankCtnForm::AnimBtnClick() { ShowAnimation(true); }
void TBankCtnForm::AdtBtnClick() { ShowAnimation(false); }

void TBankCtnForm::FormResize() {
  TGraphForm::FormResize();
  LayoutButtons();
}

void TBankCtnForm::LayoutButtons() {
  // The buttons fill the strip above the panel: as high as it, four times as wide.
  const int h = CtnPanel->y();
  AnimBtn->setGeometry(0, 0, 4 * h, h);
  AdtBtn->setGeometry(4 * h, 0, 4 * h, h);
  const TFont font{.Name = QStringLiteral("宋体"), .Height = h * 3 / 4};
  ApplyFont(*AnimBtn, font);
  ApplyFont(*AdtBtn, font);
}
