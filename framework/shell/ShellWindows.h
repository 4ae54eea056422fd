#pragma once
// The program's windows, reachable from everywhere; each is set when start-up creates it
// (the algorithm and variable windows while a demonstration is loaded) and nullptr otherwise.
// The description, call-stack and options windows are made by the demonstration window when
// asked for.
class TAlgoSelectForm;
class TAlgorithmForm;
class TMainForm;
class TVariableForm;

inline TAlgoSelectForm* AlgoSelectForm = nullptr;  // the main window
inline TMainForm* MainForm = nullptr;              // the demonstration window
inline TAlgorithmForm* AlgorithmForm = nullptr;    // of the current demonstration
inline TVariableForm* VariableForm = nullptr;
