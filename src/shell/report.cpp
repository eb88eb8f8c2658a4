#include "shell/report.hpp"

#include "shell/shell.hpp"
#include "state/shellstate.hpp"

void writeReportHeader(OutputFile& file) {
  file.newLine();
  file.printLine(" " + SHELL.VIDS);
  file.newLine();
  file.printLine(std::string(" PLOMAR Chaotically generated groups program * ") + AUTHORSHIPNOTICE);
  file.newLine();
}

void writeReportTrailer(OutputFile& file) {
  file.printLine(" eof: " + file.name());
  file.printLine(std::string(50, '-'));
}
