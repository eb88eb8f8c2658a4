#pragma once
// MAP.TXT and PHNTM.TXT without a screen: 38 records of 8 and of 5 lines.
#include <string>

// Writes the 38 records of the symbols and the map, or of the phantoms and
// their statuses. False (after the file error has been reported) when the file
// could not be written; the last file name is then unchanged.
bool saveMapFile(const std::string& name);
bool savePhantomsFile(const std::string& name);

// Reads a symbols-map file whole and, when it is complete and valid, installs it
// (the 38 symbols and the map, and the file name as the last symbols-map file
// name) and returns ""; otherwise changes nothing and returns the problem, e.g.
// "ends after line 20 of 304" or "line 7: 'x1' is not a number", or the open
// failure ("file not found: NAME (reason)"). The map-scan controls are not part
// of the file and stay as they are.
std::string loadSymbolsMapFile(const std::string& fileName);
// The same for a phantoms file: installs the 38 phantoms and statuses and the
// last phantoms file name; the symbols written beside them are not read.
std::string loadPhantomsFile(const std::string& fileName);

// The one-line message for a problem returned by a loader: the open failure as
// it is (it names the file), any other problem after the file name.
std::string loadProblemMessage(const std::string& fileName, const std::string& problem);
