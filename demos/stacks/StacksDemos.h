#pragma once
// Registers the demonstrations of the stack, recursion and queue chapter.
void RegisterStacksDemos();
