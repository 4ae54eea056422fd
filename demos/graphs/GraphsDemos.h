#pragma once
// Registers the graph demonstrations.
void RegisterGraphsDemos();
