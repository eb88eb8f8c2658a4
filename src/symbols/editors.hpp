#pragma once
// The symbols-and-map editor and the phantoms editor, and their files.
#include <string>

#include "shell/inputfields.hpp"

void ROTATESYMBOLSLIST();
void SWAPSYMBOLS();
void CONTROLPHANTOMS();
void ROTATEPHANTOMS();
void SWAPPHANTOMS();

// MAP.TXT and PHNTM.TXT: 38 records of 8 and of 5 lines. Each returns false
// (after the file error has been reported) when the file could not be
// written or read; the tables and the last file name are then unchanged.
bool saveMapFile(const std::string& name);
bool loadMapFile(const std::string& name);
bool savePhantomsFile(const std::string& name);
bool loadPhantomsFile(const std::string& name);

// "   01" .. "   38": the row label of both editors.
std::string editorRowLabel(int row);
// A typed prefix without its leading blanks, followed by the suffix.
std::string editorFileName(const std::string& prefix, const char* suffix);
// True for 1 <= start <= 38 and start <= end <= 38.
bool validRowRange(int start, int end);
// Rows 5, 10, ... 35 are drawn in yellow.
int editorRowColor(int row);
// The prompts of both editors stand at row 50, column 2.
LineFields editorPrompt(const char* prompt);
// "f": the directory from row 48, column 2, then a key (GETAKEY).
void editorDirectory();
