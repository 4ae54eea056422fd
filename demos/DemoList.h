#pragma once
// Registers every demonstration class of the program by name. Called once at start-up,
// before any window exists, by the program and by the scripted driver alike.
void RegisterAllDemos();
