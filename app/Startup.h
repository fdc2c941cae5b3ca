#pragma once

// Creates the application's eight forms into their globals, the main window first.
void CreateApplicationForms();
