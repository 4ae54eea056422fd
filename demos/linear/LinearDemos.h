#pragma once
// The linear-structure chapter's demonstrations, registered by name.
void RegisterLinearDemos();
