#pragma once
// The files of a fit's folder: set-ups with their symbols-map and phantoms
// files, the evaluations table and the picture.
#include <stdexcept>
#include <string>
#include <vector>

#include "steering/fitsetup.hpp"

// A file of the folder that could not be written or read.
struct FitFileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The names a fit writes in its folder.
inline constexpr const char* FIT_TABLE = "evaluations.csv";
inline constexpr const char* FIT_PICTURE = "fit.svg";
const std::vector<std::string>& fitFileNames();

// DIR/NAME.txt with DIR/NAMEMAP.TXT and DIR/NAMEPHNTM.TXT beside it, which it
// names without the folder (a set-up for `plomar block` run in DIR); each file
// is written whole or not at all, the two editor files first.
void writeFitSetup(const std::string& dir, const std::string& name, const FitSetup& s);

// The set-up of an evaluation in the table: the set-up file text without the
// two file names, then a comment line per row with its unit and integers.
std::string evaluationSetupText(const FitSetup& s);

// A whole file, written through a temporary file and renamed.
void writeWholeFile(const std::string& path, const std::string& bytes);

// Pictures one below the other in one SVG; each part is a whole SVG picture
// whose first <svg> tag has a height="..." attribute.
std::string stackedSvg(const std::vector<std::string>& parts);
