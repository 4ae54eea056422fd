#include "demos/stacks/HanoiGraphForm.h"

#include "demos/stacks/HanoiTowers.h"
#include "framework/drawkit/ThemedControls.h"

THanoiGraphForm::THanoiGraphForm(QWidget* parent) : TGraphForm(parent) {
  SetCaption(QStringLiteral("汉诺塔"));
  SetDesignClientSize(363, 393);
  Towers = Place(new THanoiTowers(this), 0, 0, 363, 193);
  Towers->setObjectName(QStringLiteral("Towers"));

  ZqStaticText2 = Place(new TZqStaticText(this), 4, 197, 355, 24);
  ZqStaticText2->setObjectName(QStringLiteral("ZqStaticText2"));
  ZqStaticText2->SetBevel(bvNone);
  const TFont heading{.Name = QStringLiteral("黑体"), .Height = -16, .Color = clRed};
  ZqStaticText2->SetFont(heading);
  ZqStaticText2->SetCaption(QStringLiteral("移  动  步  骤"));

  const TFont cell{.Name = QStringLiteral("Arial"), .Height = -16, .Color = clBlue};
  for (int i = 0; i < CellCount; ++i) {
    auto* text = Place(new TZqStaticText(this), 4 + (i % 4) * 89, 224 + (i / 4) * 21, 88, 20);
    text->setObjectName(QStringLiteral("ResText%1").arg(i + 1));
    text->SetBevel(bvLowered);
    text->SetFont(cell);
    ResText[static_cast<std::size_t>(i)] = text;
  }
}
