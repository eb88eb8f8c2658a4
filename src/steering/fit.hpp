#pragma once
// `plomar fit`: designs a set-up from a target, then searches for the set-up
// whose blocks come closest to it; `--merge` keeps the best of several fits.

// argv[0] is the command's name.
int runFit(int argc, char** argv);
