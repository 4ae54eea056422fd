#pragma once
// The searching chapter: its demonstrations register with the class registry.
void RegisterSearchDemos();
