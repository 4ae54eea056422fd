#pragma once
// Registers the demonstrations of the internal and external sorting chapters.
void RegisterSortDemos();
