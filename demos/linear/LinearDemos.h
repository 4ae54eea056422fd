#pragma once
// Registers the demonstrations of the linear structures chapter.
void RegisterLinearDemos();
