#pragma once
// Registers the demonstrations of the storage management chapter.
void RegisterStorageDemos();
