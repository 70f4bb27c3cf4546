#pragma once
// "mevrik --help": the options, where the configuration file is looked for, and the file this
// start would use. Runs without a display.

namespace mevrik::app {

bool AsksForHelp(int argc, char** argv);

// Prints the text where the user who started the program reads it (platform/ConsoleOutput.h);
// returns the exit status.
int PrintHelp(int argc, char** argv);

}  // namespace mevrik::app
