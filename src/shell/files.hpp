#pragma once
// Report and list files: plain single-byte text with CR LF line ends, written
// byte for byte as printed. A file that cannot be opened or created does not
// end the program: the command reports it (FILEERROR) and returns with every
// table as it was.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/inputfields.hpp"

enum class FileProblem { NotFound, CannotCreate };

// Prints, in the light red colour, "file not found" or "cannot create", the
// file name and the system's reason, then waits for a key (which no menu sees).
void FILEERROR(FileProblem problem, const std::string& name, int systemError);
// Writes every byte to the descriptor, going on after interruptions: 0, or
// the system's error code (ENOSPC when nothing more could be written).
int writeAllBytes(int fd, std::string_view bytes);

// Its text: "file not found: NAME (reason)" or "cannot create: NAME (reason)".
inline constexpr const char* FILENOTFOUNDTEXT = "file not found: ";
std::string fileProblemText(FileProblem problem, const std::string& name, int systemError);
// The same display for any message about a file: on a line of its own in the
// light red colour after a blank, then the pause prompt and a key.
void showFileProblem(const std::string& message);

// An output file. open() checks that the file can be created; the text is
// kept and written by close(), which checks the write and reports a failure
// like a file that cannot be created. The file takes its new content only
// when everything was written: after a failure, or when close() is never
// reached, an earlier file of that name stays as it was.
class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  bool open(const std::string& name);  // false after reporting the failure
  bool close();                        // false after reporting the failure
  // The same without reporting: the errno-style code goes into *systemError
  // (0 from a close without an open file).
  bool openQuietly(const std::string& name, int* systemError = nullptr);
  bool closeQuietly(int* systemError = nullptr);

  void print(std::string_view text);
  void printLine(std::string_view text = {});  // text, then CR LF
  void newLine();
  void tab(int n);  // the tab rule: blanks up to column n
  const std::string& name() const { return name_; }
  const std::string& text() const { return text_; }

 private:
  std::string name_;
  std::string text_;
  std::string tempName_;
  int fd_ = -1;
  bool direct_ = false;
  int column_ = 1;
};

// An input file, read whole on opening. Lines end at CR, LF or CR LF; items
// follow the field rules of line entry, a line end also ending an item.
class InputFile {
 public:
  bool open(const std::string& name);  // false after reporting the failure
  // Opens without reporting; errno-style code in *systemError on failure.
  bool openQuietly(const std::string& name, int* systemError = nullptr);

  bool eof() const { return pos_ >= bytes_.size(); }
  std::string readLine();
  std::string readChars(size_t count);

  std::string nextText() { return scanField(*this, false); }
  double nextDouble() { return fieldToDouble(scanField(*this, true)); }
  float nextFloat() { return fieldToFloat(scanField(*this, true)); }
  template <class I>
  I nextInteger() { return fieldToInteger<I>(scanField(*this, true)); }

  const std::string& bytes() const { return bytes_; }
  const std::string& name() const { return name_; }

  // Source interface of scanField.
  int peek() const;
  void advance() { ++pos_; }
  void endItem();

 private:
  std::string name_;
  std::string bytes_;
  size_t pos_ = 0;
};

// Creates nothing; true when the file exists and can be read. A file that
// cannot be held in memory (more than half of the machine's memory, or an
// allocation refused) fails with ENOMEM and leaves `bytes` empty.
bool readWholeFile(const std::string& name, std::string& bytes, int& systemError);

// The name that stands for standard input among the inputs of a command.
inline constexpr const char* STANDARD_INPUT_NAME = "-";
// As readWholeFile, but the name "-" reads standard input to its end.
bool readWholeInput(const std::string& name, std::string& bytes, int& systemError);
