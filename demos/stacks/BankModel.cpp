#include "demos/stacks/BankModel.h"

#include <algorithm>

void TBankModel::Clear() {
  Running = false;
  TotalTime = 0;
  CusNum = 0;
  EvList.clear();
  EvNode = {};
  DurTime = 0;
  Interval = 0;
  NextArriveTime = 0;
  i = 1;
  Cus = {};
  for (auto& q : queues_) q.clear();
}

int TBankModel::InsertEvent(const TBankEvent& event) {
  const auto at = std::find_if(EvList.begin(), EvList.end(),
                               [&](const TBankEvent& e) { return e.OccurTime >= event.OccurTime; });
  const auto place = at - EvList.begin();
  EvList.insert(at, event);
  return static_cast<int>(place);
}

void TBankModel::TakeFirstEvent() {
  if (EvList.empty()) return;
  EvNode = EvList.front();
  EvList.erase(EvList.begin());
}

int TBankModel::ShortestQueue() const {
  int best = 1;
  for (int k = 2; k <= TellerCount; ++k)
    if (Queue(k).size() < Queue(best).size()) best = k;
  return best;
}

QString BankClock(int minutes) {
  return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString BankClockPadded(int minutes) {
  return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString BankAverage(int totalTime, int cusNum) {
  if (cusNum <= 0) return QStringLiteral("0.0");
  // Tenths, rounded half up, in integers: no binary fraction can tip a .x5 either way.
  const long long tenths = (20LL * totalTime + cusNum) / (2LL * cusNum);
  return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

bool ValidBankHours(int openH, int openM, int closeH, int closeM) {
  if (openH >= 24 || openM >= 60 || closeH >= 24 || closeM >= 60) return false;
  return openH < closeH || (openH == closeH && openM < closeM);
}
