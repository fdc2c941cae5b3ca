#pragma once

#include <functional>

// Creates the application's eight forms into their globals, the main window first. The seven
// dialogs are created once the main window has painted for the first time: they are never
// seen before, and the window comes up without waiting for them. whenReady, if given, runs once
// that work is done (the start-up benchmark times it).
void CreateApplicationForms(std::function<void()> whenReady = {});
