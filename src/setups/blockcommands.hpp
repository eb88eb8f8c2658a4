#pragma once
// `plomar block` and `plomar keys`: a block set-up file generated without a
// screen, or turned into the piped keys that replay it in the program; and
// `plomar open`: the program on the terminal with the set-up's block made.

int runBlockCommand(int argc, char** argv);
int runKeysCommand(int argc, char** argv);
int runOpenCommand(int argc, char** argv);
