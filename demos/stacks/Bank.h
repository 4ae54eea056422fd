#pragma once
// An event-driven simulation of a bank with four tellers, each with a queue of its own:
// customers arrive at random intervals with random transaction times, join the shortest
// queue and leave when served; when the last event is handled the average time a customer
// spent in the bank is reported. The hall is animated, or the queues and the event list are
// shown as data. Registered without a catalogue leaf; started by the name "Bank".
#include <memory>

#include "demos/stacks/BankModel.h"
#include "framework/engine/AlgoDemo.h"

class TBankCtnForm;
class TGF;
class TADTF;
class TRecord;

class TBank : public TAlgoDemo {
  Q_OBJECT
 public:
  explicit TBank(const QStringList& source);
  ~TBank() override;

  void CreateChildWindow() override;
  void DestroyChildWindow() override;
  std::unique_ptr<TData> GetInitialParam() override;
  bool CreateData() override;
  void SetWindowRect() override;
  void Reset() override;

  const TBankModel& Model() const { return model_; }
  TBankCtnForm* Container() const { return ctnForm_.get(); }
  TGF* GF() const { return gf_; }
  TADTF* ADTF() const { return adtf_; }

  // ---- Step methods: the main loop
  Q_INVOKABLE TData* BankSimulation_C_Begin();
  Q_INVOKABLE void BankSimulation_AfterBegin();
  Q_INVOKABLE void BankSimulation_Begin();
  Q_INVOKABLE bool BankSimulation_F_Rotate();
  Q_INVOKABLE void BankSimulation_GetEvNode();
  Q_INVOKABLE bool BankSimulation_F_IsType0();
  Q_INVOKABLE TData* BankSimulation_C_OnCustomerArrive();
  Q_INVOKABLE void BankSimulation_AfterOnCustomerArrive();
  Q_INVOKABLE void BankSimulation_OnCustomerArrive();
  Q_INVOKABLE TData* BankSimulation_C_OnCustomerDepart();
  Q_INVOKABLE void BankSimulation_AfterOnCustomerDepart();
  Q_INVOKABLE void BankSimulation_OnCustomerDepart();
  Q_INVOKABLE void BankSimulation_Output();
  // ---- Opening
  Q_INVOKABLE void BankOpen_Begin();
  Q_INVOKABLE void BankOpen_SetCustomerNum();
  Q_INVOKABLE void BankOpen_ClearEvList();
  Q_INVOKABLE void BankOpen_SetEvOccurTime();
  Q_INVOKABLE void BankOpen_SetType0();
  Q_INVOKABLE void BankOpen_InsEv();
  Q_INVOKABLE bool BankOpen_F_Rotate();
  Q_INVOKABLE void BankOpen_InitQueue();
  // ---- A customer arrives (labels are cut to 16 characters by the text's rules)
  Q_INVOKABLE void OnCusArrive_Begin();
  Q_INVOKABLE void OnCusArrive_RandomizeTransac();
  Q_INVOKABLE void OnCusArrive_SetNextArriveTim();
  Q_INVOKABLE bool OnCusArrive_F_IsNATBelowCT();
  Q_INVOKABLE void OnCusArrive_InsEv2();
  Q_INVOKABLE void OnCusArrive_ChooseShortest();
  Q_INVOKABLE void OnCusArrive_AddQue();
  Q_INVOKABLE bool OnCusArrive_F_IsOnlyOneInQue();
  Q_INVOKABLE void OnCusArrive_InsEv3();
  // ---- A customer leaves
  Q_INVOKABLE void OnCusDepart_Begin();
  Q_INVOKABLE void OnCusDepart_DelFirstCusInQue();
  Q_INVOKABLE void OnCusDepart_SetTotalTime();
  Q_INVOKABLE bool OnCusDepart_F_IsQueNotEmpty();
  Q_INVOKABLE void OnCusDepart_GetHeadOfQue();
  Q_INVOKABLE void OnCusDepart_InsEv4();

 private:
  // What the views stand for: the simulation's queues, event list and counters.
  void SayMeanings();
  // Every step first lets pending window messages through, so that the animation, its
  // buttons and the speed bar stay live; and ends by writing the state into the variables.
  static void Pump();
  void ShowVariables();
  void Refresh();  // both
  void InsertEvent(const TBankEvent& event);
  std::unique_ptr<TRecord> NewEvNode() const;

  TBankModel model_;
  int loopJ_ = 0;  // the FOR of BankOpen
  std::unique_ptr<TBankCtnForm> ctnForm_;
  TGF* gf_ = nullptr;      // owned by the container's panel
  TADTF* adtf_ = nullptr;  // owned by the container's panel
};
