#pragma once

class TClassRegistry;

// Registers every skinned control, so layouts can name them.
void RegisterSkinnedControls(TClassRegistry& registry);
