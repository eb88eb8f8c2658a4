#pragma once
// The symbols-and-map editor and the phantoms editor, and their files.
#include <cstdint>
#include <string>
#include <utility>

#include "shell/inputfields.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/editorfiles.hpp"

void ROTATESYMBOLSLIST();
void SWAPSYMBOLS();
void CONTROLPHANTOMS();
void ROTATEPHANTOMS();
void SWAPPHANTOMS();

// The editors' rules for what they accept, typed at a prompt or read from a
// file: a map value is never negative; a phantom holds at most 30 characters;
// a status keeps the low 8 bits of the value given.
constexpr size_t PHANTOMMAX = 30;
inline bool validMapValue(int32_t value) { return value >= 0; }
inline bool validPhantomText(const std::string& text) { return text.size() <= PHANTOMMAX; }
inline uint8_t phantomStatusOf(int64_t value) { return static_cast<uint8_t>(value & 0xFF); }

// Shows a loader's problem in the light red colour and waits for a key;
// nothing when the problem is empty (the file was loaded).
void showLoadProblem(const std::string& fileName, const std::string& problem);

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
// The start of a table row of both editors: the label, ":" at column 8, the
// symbol at column 13 (light blue when highlighted), ":" at column 17.
void drawEditorRowStart(int row, int rowColor, bool highlighted);

// Moves every row's entry one row down; the entry of row 38 goes to row 1.
template <class T>
void rotateRowsDown(Tank<T>& rows) {
  T last = rows(SYMBOLROWS);
  for (int i = SYMBOLROWS - 1; i >= 1; --i) rows(i + 1) = rows(i);
  rows(1) = last;
}

// Asks for two row numbers and exchanges their entries when both lie in 1..38.
template <class T>
void swapAskedRows(const char* prompt, Tank<T>& rows) {
  LineFields f = editorPrompt(prompt);
  int first = f.nextInteger<int16_t>();
  int second = f.nextInteger<int16_t>();
  if (first < 1 || first > SYMBOLROWS || second < 1 || second > SYMBOLROWS) return;
  std::swap(rows(first), rows(second));
}
