#pragma once

// The program's entry: sets up the locale, the settings store and the
// account, shows the main window and runs until it is closed.
int runVarnholt(int argc, char* argv[]);
