#pragma once
// The set-up of the block as the block report and the matches file print it:
// the snapshot taken when the block's generation started.
class OutputFile;

// Block size range, group size range, activated sizes, average range and the
// three Kn, Xn pairs, then an empty line. The block report leaves an empty
// line before the average range, the matches file does not.
void writeBlockSetupRanges(OutputFile& f, bool emptyLineBeforeAverage);
// Use of the symbols map (with the map-scan settings when it was used), an
// empty line, and the last symbols-map and phantoms file names.
void writeBlockSetupMap(OutputFile& f);
// Empty lines.
void writeEmptyLines(OutputFile& f, int count);
