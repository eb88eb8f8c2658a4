#pragma once
// The console layer: the only code that knows how text, colours and keys reach
// the terminal. Everything printed goes through a screen model (cells, cursor,
// wrapping, scrolling) and a sink: ANSI escape sequences for a terminal, plain
// text otherwise. Keys come from the terminal in raw mode, from a byte stream
// when standard input is not a terminal, or from a script in tests.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace con {

// Key codes: ordinary keys give their character code (Enter 13, Esc 27,
// Backspace 8); keys without a character give (scan code << 8) | 255.
constexpr int32_t KEY_NONE = -1;
constexpr int32_t KEY_ENTER = 13;
constexpr int32_t KEY_ESC = 27;
constexpr int32_t KEY_BACKSPACE = 8;
constexpr int32_t specialKey(int scan) { return (scan << 8) | 255; }

// Thrown by a key wait when piped or scripted keys have run out; the program
// then ends cleanly with exit status 0.
struct EndOfInput {};

struct Cell {
  unsigned char ch = ' ';
  uint8_t color = 7;
};

// What the console window shows, and where the cursor is. Follows the
// terminal's own rules: a character written in the last column leaves the
// cursor there with a deferred wrap; a line feed on the last row scrolls.
class ScreenModel {
 public:
  ScreenModel(int width = 80, int height = 24);

  int width() const { return width_; }
  int height() const { return height_; }
  int row() const { return row_; }
  int col() const { return col_; }
  bool pendingWrap() const { return pendingWrap_; }
  long scrolled() const { return scrolled_; }

  void put(unsigned char ch, uint8_t color);
  void carriageReturn();
  void lineFeed();
  void clear();
  // False (and nothing moves) when the position lies outside the window.
  bool locate(int row, int col);
  void moveToColumn(int col);
  void resize(int width, int height);

  unsigned char charAt(int row, int col) const;
  uint8_t colorAt(int row, int col) const;
  // The characters of a row, trailing blanks removed.
  std::string rowText(int row) const;

 private:
  Cell& cell(int row, int col) { return cells_[static_cast<size_t>((row - 1) * width_ + (col - 1))]; }
  const Cell& cell(int row, int col) const { return cells_[static_cast<size_t>((row - 1) * width_ + (col - 1))]; }
  void scrollUp();

  int width_, height_;
  int row_ = 1, col_ = 1;
  bool pendingWrap_ = false;
  long scrolled_ = 0;
  std::vector<Cell> cells_;
};

// Where output bytes go.
class Sink {
 public:
  virtual ~Sink() = default;
  virtual void put(unsigned char ch, uint8_t color) = 0;
  virtual void carriageReturn() = 0;
  virtual void lineFeed() = 0;
  virtual void clear() = 0;
  virtual void moveTo(int row, int col, int fromRow) = 0;
  virtual void moveToColumn(int col) = 0;
  virtual void flush() = 0;
  virtual void finish() {}
};

// Escape sequences for a terminal; characters shown as their code page 437
// glyphs in UTF-8 so that no printed text can send a control sequence.
class AnsiSink : public Sink {
 public:
  AnsiSink(int fd, bool useColor);
  void put(unsigned char ch, uint8_t color) override;
  void carriageReturn() override { buffer_ += '\r'; }
  void lineFeed() override { buffer_ += '\n'; }
  void clear() override;
  void moveTo(int row, int col, int fromRow) override;
  void moveToColumn(int col) override;
  void flush() override;
  void finish() override;
  const std::string& pending() const { return buffer_; }

 private:
  int fd_;
  bool useColor_;
  int emittedColor_ = -1;
  std::string buffer_;
};

// Text as printed, without escape sequences; positioning is not reproduced,
// but a move to another row starts a new line and a tab writes blanks.
class PlainSink : public Sink {
 public:
  explicit PlainSink(int fd) : fd_(fd) {}  // fd < 0 keeps everything in text()
  void put(unsigned char ch, uint8_t color) override;
  void carriageReturn() override { buffer_ += '\r'; column_ = 1; }
  void lineFeed() override { buffer_ += '\n'; }
  void clear() override;
  void moveTo(int row, int col, int fromRow) override;
  void moveToColumn(int col) override;
  void flush() override;
  const std::string& text() const { return buffer_; }

 private:
  void breakLine();
  int fd_;
  int column_ = 1;
  std::string buffer_;
};

class KeySource {
 public:
  virtual ~KeySource() = default;
  virtual int32_t wait() = 0;  // blocks; throws EndOfInput when no key can come
  virtual int32_t poll() = 0;  // KEY_NONE when no key is waiting
};

// Keys typed ahead for the user, then the keys of another source. While
// typed-ahead keys remain, the poll passes on only Esc from the other
// source (it can stop what the typed keys started) and drops the rest.
class TypedAheadKeys : public KeySource {
 public:
  // Each byte is one key; a line feed is Enter.
  TypedAheadKeys(std::string_view typed, std::unique_ptr<KeySource> then);
  int32_t wait() override;
  int32_t poll() override;

 private:
  std::deque<int32_t> typed_;
  std::unique_ptr<KeySource> then_;
};

// Keys for tests: a queue for the waits and another for the polls.
class ScriptedKeys : public KeySource {
 public:
  // Each byte is one key; a line feed is Enter.
  void type(std::string_view keys);
  void press(int32_t code) { waits_.push_back(code); }
  void pressDuringPoll(int32_t code) { polls_.push_back(code); }
  bool empty() const { return waits_.empty(); }
  int32_t wait() override;
  int32_t poll() override;

 private:
  std::deque<int32_t> waits_, polls_;
};

// Piped standard input: each byte is one key; CR, LF and CR LF are Enter,
// 127 is Backspace. The poll reports no key while keys may still come (the
// script's keys belong to the prompts that wait for them) and Esc once the
// input has ended, so that a loop that polls for Esc (a generation that
// cannot complete) stops, and the next wait ends the program.
class StreamKeys : public KeySource {
 public:
  explicit StreamKeys(int fd) : fd_(fd) {}
  int32_t wait() override;
  int32_t poll() override;

 private:
  bool refill();  // false at the end of the input
  int readByte();
  int fd_;
  bool ended_ = false;
  bool afterCR_ = false;
  unsigned char buf_[4096];
  size_t have_ = 0, next_ = 0;
};

// A byte reader with a timeout, so that key decoding can be tested.
class ByteReader {
 public:
  virtual ~ByteReader() = default;
  static constexpr int TIMEOUT = -1;
  static constexpr int CLOSED = -2;
  // A byte, TIMEOUT after timeoutMs (negative: wait for ever), or CLOSED.
  virtual int next(int timeoutMs) = 0;
};

// Turns terminal bytes into key codes: escape sequences of arrows and function
// keys become special keys, a lone Esc is 27, Backspace (127) is 8, CR and LF
// are Enter, and a UTF-8 character becomes its code page 437 byte (or nothing
// when the code page has none). Returns KEY_NONE when the bytes gave no key.
int32_t decodeKey(ByteReader& in, int first);

// The terminal in raw mode: no echo, no line buffering, Ctrl-C still ends the
// program; restored on every way out.
class TerminalKeys : public KeySource {
 public:
  explicit TerminalKeys(int fd);
  ~TerminalKeys() override;
  int32_t wait() override;
  int32_t poll() override;

 private:
  int fd_;
};

// Code page 437: the Unicode character shown for a byte, and back.
char32_t cp437Glyph(unsigned char byte);
int cp437Byte(char32_t codePoint);  // -1 when the code page has none
std::string utf8(char32_t codePoint);

// ---- The console operations every screen uses -------------------------------

void print(std::string_view text);      // at the cursor, no line end
void printLine(std::string_view text);  // then a line end
void newLine();                         // CR LF
void color(int c);                      // foreground colour 0..15
int currentColor();
void cls();                             // blank window, cursor to 1, 1
void locate(int row, int col);          // 0 keeps; outside the window ignored
void tab(int n);                        // the tab rule
int cursorRow();
int cursorColumn();
void flush();
int32_t waitKey();  // flushes, then blocks for one key
int32_t pollKey();  // flushes, then KEY_NONE or one key
// Line entry: prints the prompt, echoes the typed line with Backspace
// editing, ends it with Enter and moves to the start of the next line.
std::string input(std::string_view prompt);

ScreenModel& screen();

// Colours on a terminal unless NO_COLOR is set to a non-empty value (its
// value, or null when it is not set); an empty value does not count.
bool coloursWanted(const char* noColor);

// Chooses the sink and key source for the standard streams.
void setupStandardStreams();
// Replaces sink and keys (tests); returns the previous console state holder.
void install(std::unique_ptr<Sink> sink, std::unique_ptr<KeySource> keys, int width, int height);
Sink& sink();
KeySource& keys();
// The keys given come first, before those of the installed source.
void typeAhead(std::string_view keys);
// Flushes, resets the colour and gives the terminal back.
void shutdown();

}  // namespace con
