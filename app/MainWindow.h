#pragma once

#include <functional>

// Runs the hidden main window until the program ends; `ended` runs as soon as it has closed,
// before threads that would not stop end the process.
void RunMainWindow(bool startHidden, const std::function<void()>& ended);
