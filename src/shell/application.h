#pragma once

namespace pindrel {

// Starts the user-interface runtime and shows the first window; returns the exit status.
int run(int argc, char *argv[]);

// What every run of the program sets up before a window opens: names, fonts. Tests run it too.
void prepareApplication();

} // namespace pindrel
