#pragma once
// Set-up files for the block command tests, and a symbols map and phantoms
// file of their own.
#include <string>

// 20 to 30 groups of sizes 3 to 6, as the block sessions of the program use.
inline const std::string SMALLSETUP =
    "B = 20,30\n"
    "G = 3,6,1\n"
    "V = 4,5\n"
    "X1 = 4,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3\n";

// Symbols a..z, A..L; row r maps r, 77 - r and r + 76 (so 1..114 all occur).
std::string testMapFileText();
// Rows 1 ("a") and 5 ("e") have the active phantoms "qu" and "ee".
std::string testPhantomsFileText();
