#include "platform/Canvas.h"

#include "platform/Bitmap.h"

// Bodies being filled in.
void TCanvas::MoveTo(int x, int y) { PenPos = {x, y}; }
void TCanvas::LineTo(int x, int y) { PenPos = {x, y}; }
void TCanvas::Polyline(std::span<const TPoint>) {}
void TCanvas::Rectangle(int, int, int, int) {}
void TCanvas::RoundRect(int, int, int, int, int, int) {}
void TCanvas::Ellipse(int, int, int, int) {}
void TCanvas::Polygon(std::span<const TPoint>) {}
void TCanvas::Arc(int, int, int, int, int, int, int, int) {}
void TCanvas::Pie(int, int, int, int, int, int, int, int) {}
void TCanvas::Chord(int, int, int, int, int, int, int, int) {}
void TCanvas::FillRect(const TRect&) {}
void TCanvas::FrameRect(const TRect&) {}
void TCanvas::DrawFocusRect(const TRect&) {}
void TCanvas::TextOut(int, int, const QString&) {}
void TCanvas::TextRect(const TRect&, int, int, const QString&) {}
unsigned TCanvas::SetTextAlign(unsigned flags) { return std::exchange(textAlign_, flags); }
int TCanvas::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }
int TCanvas::BkMode() const { return bkMode_; }
TPoint TCanvas::SetWindowOrg(int x, int y) { return std::exchange(org_, TPoint(x, y)); }
void TCanvas::SetClipRect(const TRect&) {}
void TCanvas::IntersectClipRect(const TRect&) {}
void TCanvas::ClearClipRect() { clip_.reset(); }
TRect TCanvas::ClipRect() const { return {}; }
void TCanvas::CopyRect(const TRect&, const TCanvas&, const TRect&) {}
void TCanvas::BitBlt(int, int, int, int, const TCanvas&, int, int, TCopyMode) {}
void TCanvas::StretchBlt(const TRect&, const TCanvas&, const TRect&, TCopyMode) {}
void TCanvas::PatBlt(const TRect&, TCopyMode) {}
void TCanvas::Draw(int, int, const TBitmap&) {}
void TCanvas::StretchDraw(const TRect&, const TBitmap&) {}
void TCanvas::Draw(int, int, const QImage&) {}
TColor TCanvas::GetPixel(int, int) const { return clNone; }
void TCanvas::SetPixel(int, int, TColor) {}
int TCanvas::Width() const { return target_ ? target_->width() : 0; }
int TCanvas::Height() const { return target_ ? target_->height() : 0; }
