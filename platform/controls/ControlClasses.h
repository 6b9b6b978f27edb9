#pragma once
// Registers the standard controls' window classes: "Button", "Static",
// "Edit" and "ComboBox". The framework does it for every desktop the
// platform runs (RegisterStandardWindowClasses).

#include "platform/windows/WindowClasses.h"

void RegisterControlClasses(WindowClasses& classes);
