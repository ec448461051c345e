#pragma once

class TClassRegistry;

// Registers the framework's controls and the timer, so layouts can name them.
void RegisterFrameworkClasses(TClassRegistry& registry);
