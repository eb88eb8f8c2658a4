#pragma once
// The header and trailer shared by the run, block, matches and integers reports.
#include "shell/files.hpp"

// An empty line, " V1.1", an empty line, the banner with the authorship notice,
// an empty line.
void writeReportHeader(OutputFile& file);
// " eof: " with the file name, then a line of fifty "-".
void writeReportTrailer(OutputFile& file);
