#pragma once
// Registers the demonstrations of the binary-tree chapter.
void RegisterTreesDemos();
