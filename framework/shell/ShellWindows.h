#pragma once
// The program's windows, reachable from everywhere; each is set when start-up creates it
// (the algorithm and variable windows while a demonstration is loaded) and nullptr otherwise.
class TAlgoSelectForm;
class TAlgorithmForm;
class TCallStackForm;
class TDemoDescriptForm;
class TMainForm;
class TOptionsForm;
class TVariableForm;

inline TAlgoSelectForm* AlgoSelectForm = nullptr;  // the main window
inline TMainForm* MainForm = nullptr;              // the demonstration window
inline TDemoDescriptForm* DemoDescriptForm = nullptr;
inline TCallStackForm* CallStackForm = nullptr;
inline TOptionsForm* OptionsForm = nullptr;
inline TAlgorithmForm* AlgorithmForm = nullptr;    // of the current demonstration
inline TVariableForm* VariableForm = nullptr;
