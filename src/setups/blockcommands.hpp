#pragma once
// `plomar block` and `plomar keys`: a block set-up file generated without a
// screen, or turned into the piped keys that replay it in the program.

int runBlockCommand(int argc, char** argv);
int runKeysCommand(int argc, char** argv);
