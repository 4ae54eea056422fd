#pragma once
// The state of the bank simulation, without windows: the opening hours, the ordered event
// list, the four tellers' queues and the running totals. Times are minutes since midnight.
// The demonstration's steps change it one line at a time; the hall and the data view read it.
#include <QString>
#include <array>
#include <deque>
#include <vector>

struct TBankCustomer {
  int ArriveTime = 0;
  int DurTime = 0;
  friend bool operator==(const TBankCustomer&, const TBankCustomer&) = default;
};

// NType 0 is an arrival; 1 .. 4 a departure from that teller's queue.
struct TBankEvent {
  int OccurTime = 0;
  int NType = 0;
  friend bool operator==(const TBankEvent&, const TBankEvent&) = default;
};

class TBankModel {
 public:
  static constexpr int TellerCount = 4;
  // The next arrival and at most one departure per teller are ever pending.
  static constexpr int EventCapacity = 1 + TellerCount;

  // Opening hours, from the dialog; the defaults are 09:30 to 10:50.
  int CurTime = 9 * 60 + 30;
  int CloseTime = 10 * 60 + 50;

  // From the run's first step to the report: the hall plays its scenes only then.
  bool Running = false;

  int TotalTime = 0;  // sum of the served customers' stays
  int CusNum = 0;     // customers arrived so far
  std::vector<TBankEvent> EvList;  // ordered by OccurTime; EvCount = its size
  TBankEvent EvNode;               // the event being handled
  int DurTime = 0;                 // transaction time of the arriving customer
  int Interval = 0;                // time to the next arrival
  int NextArriveTime = 0;
  int i = 1;                       // the chosen or served queue, 1 .. 4
  TBankCustomer Cus;               // the customer who left, then the new head of queue i

  // Everything but the opening hours back to the state before opening.
  void Clear();

  int EvCount() const { return static_cast<int>(EvList.size()); }
  // Inserts before the first event whose time is not smaller, so that of two events at the
  // same minute the one inserted later is handled first. Returns its place, 0-based.
  int InsertEvent(const TBankEvent& event);
  // Takes the first event out into EvNode; the list closes up.
  void TakeFirstEvent();

  // Queue k, 1 .. 4. Queues hold as many customers as arrive.
  std::deque<TBankCustomer>& Queue(int k) { return queues_.at(static_cast<std::size_t>(k - 1)); }
  const std::deque<TBankCustomer>& Queue(int k) const { return queues_.at(static_cast<std::size_t>(k - 1)); }
  // The queue with the fewest customers; ties go to the lowest number.
  int ShortestQueue() const;

 private:
  std::array<std::deque<TBankCustomer>, TellerCount> queues_;
};

// A time of day as the data view writes it: "9:05" (minutes with two digits).
QString BankClock(int minutes);
// Two-digit hours and minutes, as the customers say it: "09:05".
QString BankClockPadded(int minutes);
// totalTime / cusNum with one decimal, halves rounded up ("45.3" for 181 / 4).
QString BankAverage(int totalTime, int cusNum);
// Whether the dialog may take these hours: each hour below 24, each minute below 60, and
// the opening strictly before the closing.
bool ValidBankHours(int openH, int openM, int closeH, int closeM);
