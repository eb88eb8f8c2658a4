#pragma once
// plomar stats: the yardsticks of texts, lists and blocks side by side.

// argv[0] is the command's name.
int runStats(int argc, char** argv);
