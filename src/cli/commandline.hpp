#pragma once
// The command-line side: options of the program and its non-interactive
// commands. Without arguments the interactive program runs as ever.

// The whole program: the interactive program without arguments, otherwise
// an option (--help, --version) or a command (plomar COMMAND ...).
int commandLineMain(int argc, char** argv);
