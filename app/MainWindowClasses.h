#pragma once

class TClassRegistry;

// Every class the main window's stored layout may name.
const TClassRegistry& MainWindowClasses();
