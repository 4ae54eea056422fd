#include "demos/sort/SortGraphForms.h"

#include "framework/drawkit/ThemedControls.h"
#include "platform/Application.h"
#include "platform/Controls.h"

namespace {

const TColor kPink = 16744703;

}  // namespace

TInSortGraphForm::TInSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("直接插入排序"));
  SetDesignClientSize(391, 453);
  R = PlaceRow("R", {71, 63, 321, 304}, 12, 1, clPurple, 1);
  x = PlaceBox(this, "x", {0, 0, 32, 49}, clNavy, QStringLiteral(" "));
  r0 = PlaceBox(this, "r0", {0, 0, 32, 50}, clPurple, QStringLiteral("r[0]"));
  const TFont green = SortFont("Arial", -19, clGreen);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("r[0]"), {4, 23, 48, 32}, green);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r[1]..r[n]"), {74, 23, 88, 32}, green);
  PlaceCounters({10, 391, 161, 32}, {193, 391, 161, 32}, SortFont("宋体", -19, clBlue, fsBold));
}

TBubGraphForm::TBubGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("起泡排序"));
  SetDesignClientSize(484, 547);
  R = PlaceRow("R", {10, 69, 464, 405}, 12, 1, clPurple, 1);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {10, 20, 109, 40},
                               SortFont("Arial", -24, clBlue));
  PlaceCounters({20, 492, 198, 41}, {246, 492, 198, 41}, SortFont("宋体", -24, clNavy, fsBold));
}

TSelSortGraphForm::TSelSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("SelSortGraphForm"));
  SetDesignClientSize(395, 453);
  R = PlaceRow("R", {8, 56, 377, 329}, 12, 1, clPurple, 1);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {8, 16, 89, 33},
                               SortFont("Arial", -19, clTeal));
  PlaceCounters({16, 400, 169, 33}, {208, 400, 169, 33}, SortFont("宋体", -19, clBlue, fsBold));
}

TListSortGraphForm::TListSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("ListSortGraphForm"));
  SetDesignClientSize(463, 503);
  R = PlaceRow("R", {68, 69, 395, 375}, 12, 1, kPink, 10);
  R->NodeClass = SortNodeClass<TListSortNode>();
  r0 = PlaceBox<TListSortNode>(this, "r0", {16, 192, 32, 105}, kPink, QStringLiteral("r[0]"));
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("r[0]"), {2, 20, 60, 40},
                         SortFont("Courier New", -20, clMaroon, fsBold));
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r[1]..r[n]"), {71, 20, 138, 40},
                               SortFont("Courier New", -19, clMaroon, fsBold));
  PlaceCounters({19, 450, 196, 40}, {245, 450, 198, 40}, SortFont("宋体", -24, clMaroon, fsBold));
}

TShellSortGraphForm::TShellSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("ShellSortGraphForm"));
  SetDesignClientSize(379, 417);
  R = PlaceRow("R", {0, 63, 378, 304}, 17, -4, kPink, 10);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("r[-4]..r[0]"), {2, 23, 87, 32}, SortFont("Arial", -19, clGreen));
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {114, 23, 87, 32},
                               SortFont("Arial", -19, clBlue));
  PlaceCounters({10, 372, 167, 33}, {208, 372, 163, 33}, SortFont("黑体", -19, clBlue, fsBold));
}

TQkSortGraphForm::TQkSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("QkSortGraphForm"));
  SetDesignClientSize(394, 436);
  R = PlaceRow("R", {64, 56, 321, 305}, 12, 1, clPurple, 1);
  x = PlaceBox(R, "x", {270, 28, 32, 49}, clBlue, QStringLiteral(" "));
  rp = PlaceBox(this, "rp", {16, 60, 33, 50}, clPurple, QStringLiteral(" "));
  const TFont green = SortFont("Arial", -20, clGreen);
  LabelR0 = PlaceCaption("LabelR0", QStringLiteral("rp"), {8, 16, 49, 33}, green);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("r[1]..r[n]"), {64, 16, 105, 33}, green);
  PlaceCounters({16, 384, 169, 33}, {208, 384, 169, 33}, SortFont("宋体", -19, clBlue, fsBold));
}

TPointerPicture::TPointerPicture(QWidget* parent, const QString& variable) : TImage(parent), variable_(variable) {}

std::vector<TDrawnShape> TPointerPicture::DrawingShapes() const {
  return {TDrawnShape::MarkOn({target_.data(), -1}, rect(), QPoint(width() / 2, 0), variable_)};
}

namespace {

TPointerPicture* NewPointer(QWidget* parent, const char* name, const char* variable, const char* picture, int y,
                            int side) {
  auto* image = new TPointerPicture(parent, QString::fromLatin1(variable));
  image->setObjectName(QString::fromLatin1(name));
  image->SetStretch(true);
  image->SetTransparent(true);
  image->LoadFromFile(app::ImagePath() + QString::fromLatin1(picture));
  image->setGeometry(0, y, side, side);
  image->setAccessibleDescription(QString::fromLatin1(name));
  image->hide();
  return image;
}

}  // namespace

TQkAddrSortGraphForm::TQkAddrSortGraphForm(QWidget* parent) : TSortGraphForm(parent) {
  SetCaption(QStringLiteral("快速地址排序"));
  SetDesignClientSize(436, 405);
  R = PlaceRow("R", {6, 37, 424, 159}, 9, 1, clPurple, 1);
  kp = NewPointer(this, "kp", "k", "addrptr.bmp", 325, 27);
  addrkp = NewPointer(this, "addrkp", "r[adr[k]]", "recptr.bmp", 195, 33);
  addrjp = NewPointer(this, "addrjp", "r[adr[j]]", "recptr.bmp", 195, 33);
  rjp = NewPointer(this, "rjp", "j", "recptr.bmp", 195, 27);
  rkp = NewPointer(this, "rkp", "k", "recptr.bmp", 195, 27);
  rip = NewPointer(this, "rip", "i", "recptr.bmp", 195, 27);
  ip = NewPointer(this, "ip", "i", "addrptr.bmp", 325, 27);
  jp = NewPointer(this, "jp", "j", "addrptr.bmp", 325, 27);
  const TFont caption = SortFont("Arial", -19, clGreen);
  ZqStaticText1 = PlaceCaption("ZqStaticText1", QStringLiteral("r[1]..r[n]"), {6, 3, 171, 33}, caption);
  ZqStaticText2 = PlaceCaption("ZqStaticText2", QStringLiteral("Addr"), {6, 237, 92, 33}, caption);
  PlaceCounters({16, 358, 193, 33}, {224, 358, 193, 33}, SortFont("宋体", -19, clBlue, fsBold));
  Addr = PlaceRow<TAddrdata>("Addr", {7, 273, 423, 53}, 9, 1, clGreen, 10);
}

void TQkAddrSortGraphForm::PointAt(TPointerPicture* pointer, const TSortData& row, int index) {
  pointer->Tag = index;
  TSortNode* box = row.NodeAt(index);
  pointer->PointAt(box);
  if (box == nullptr) {
    pointer->hide();
    return;
  }
  // The pictures grow with the window as the rows do. The arrow's point is the middle of the
  // picture: it stands centred under its box, which is narrower than the picture in the key row.
  const int side = Ratio().Grow(pointer == addrkp || pointer == addrjp ? 33 : 27);
  pointer->setGeometry(row.x() + box->x() + box->width() / 2 - side / 2, row.y() + row.height(), side, side);
  pointer->show();
  pointer->raise();
}

void TQkAddrSortGraphForm::HideAllPointers() {
  for (TPointerPicture* p : {kp, addrkp, addrjp, rjp, rkp, rip, ip, jp}) p->hide();
}

void TQkAddrSortGraphForm::Repoint() {
  for (TPointerPicture* p : {addrkp, addrjp, rjp, rkp, rip})
    if (p->isVisible()) PointAtRecord(p, p->Tag);
  for (TPointerPicture* p : {kp, ip, jp})
    if (p->isVisible()) PointAtAddr(p, p->Tag);
}
