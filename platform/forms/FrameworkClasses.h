#pragma once

class TClassRegistry;

// Registers the framework's controls, the plain stand-ins for the skinned ones and the
// timer, so layouts can name them.
void RegisterFrameworkClasses(TClassRegistry& registry);
