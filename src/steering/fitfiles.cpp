// The files of a fit's folder.
#include "steering/fitfiles.hpp"

#include <cstring>

#include "setups/headlessconsole.hpp"
#include "shell/files.hpp"
#include "symbols/editorfiles.hpp"

const std::vector<std::string>& fitFileNames() {
  static const std::vector<std::string> names{"design.txt",   "designMAP.TXT", "designPHNTM.TXT", "best.txt",
                                              "bestMAP.TXT",  "bestPHNTM.TXT", FIT_TABLE,         FIT_PICTURE};
  return names;
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
  OutputFile file;
  int problem = 0;
  if (!file.openQuietly(path, &problem)) throw FitFileError("cannot create " + path + ": " + std::strerror(problem));
  file.print(bytes);
  if (!file.closeQuietly(&problem)) throw FitFileError("cannot write " + path + ": " + std::strerror(problem));
}

void writeFitSetup(const std::string& dir, const std::string& name, const FitSetup& s) {
  HeadlessSink& sink = headlessConsole().sink;
  sink.forgetError();
  installUnits(s);
  const std::string map = name + "MAP.TXT", phantoms = name + "PHNTM.TXT";
  if (!saveMapFile(dir + "/" + map) || !savePhantomsFile(dir + "/" + phantoms)) throw FitFileError(sink.lastErrorLine());
  writeWholeFile(dir + "/" + name + ".txt", fitSetupText(s, map, phantoms));
}

std::string evaluationSetupText(const FitSetup& s) {
  std::string text = fitSetupText(s, "", "");
  for (int r = 0; r < FIT_ROWS; ++r) {
    text += "# row " + std::to_string(r + 1) + " = " + s.units[static_cast<size_t>(r)] + " :";
    for (int32_t v : s.map[static_cast<size_t>(r)]) text += " " + std::to_string(v);
    text += "\n";
  }
  return text;
}

std::string stackedSvg(const std::vector<std::string>& parts) {
  std::string body;
  double top = 0;
  for (std::string part : parts) {
    size_t start = part.find("<svg");
    if (start == std::string::npos) continue;
    part.erase(0, start);
    size_t height = part.find("height=\"");
    double h = height == std::string::npos ? 0 : std::stod(part.substr(height + 8));
    part.insert(4, " x=\"0\" y=\"" + std::to_string(static_cast<long>(top)) + "\"");
    body += part;
    top += h;
  }
  const std::string total = std::to_string(static_cast<long>(top));
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1000\" height=\"" +
         total + "\" viewBox=\"0 0 1000 " + total + "\">\n" + body + "</svg>\n";
}
