#pragma once

// Creates the application's eight forms into their globals, the main window first. The seven
// dialogs are created once the main window has painted for the first time: they are never
// seen before, and the window comes up without waiting for them.
void CreateApplicationForms();
