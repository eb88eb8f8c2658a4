#pragma once
// The block's displays and files.
#include <string_view>

// "K" / "M": the block forward or mirrored on screen (variant from GBKS).
void SHOWBLOKOFGROUPS();
// "D" / "S": the directory, and for "S" the block report prefix + "CGB.txt".
void DIRANDSAVEFORBLOCKOFGROUPS();
// "U": the block vocabulary compared with a vocabulary file.
void COMPAREFORMATCHINGVOCABULARIES();

// The generating number of a reference symbol: the first position 1..38 of the
// reference symbols list holding it, or 39 when none does.
int referenceNumber(char symbol);
