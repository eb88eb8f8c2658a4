// The screen model, the sinks and the key sources.
#include <gtest/gtest.h>

#include "shell/console.hpp"
#include "support.hpp"

using con::screen;

TEST(ScreenModel, WrapsDeferredAndScrolls) {
  con::ScreenModel m(5, 3);
  for (char c : std::string("abcde")) m.put(static_cast<unsigned char>(c), 7);
  EXPECT_EQ(m.col(), 5);
  EXPECT_TRUE(m.pendingWrap());
  m.carriageReturn();
  m.lineFeed();  // CR LF after a full line advances one row only
  EXPECT_EQ(m.row(), 2);
  for (char c : std::string("fghijk")) m.put(static_cast<unsigned char>(c), 7);
  EXPECT_EQ(m.rowText(2), "fghij");
  EXPECT_EQ(m.rowText(3), "k");
  m.lineFeed();  // on the last row: scroll
  EXPECT_EQ(m.rowText(1), "fghij");
  EXPECT_EQ(m.rowText(2), "k");
  EXPECT_EQ(m.scrolled(), 1);
}

TEST(Console, LocateZeroKeepsAndOutsideIsIgnored) {
  Session s(80, 25);
  con::locate(10, 20);
  con::locate(0, 5);
  EXPECT_EQ(con::cursorRow(), 10);
  EXPECT_EQ(con::cursorColumn(), 5);
  con::locate(50, 2);  // below the window: ignored, not clamped
  EXPECT_EQ(con::cursorRow(), 10);
  EXPECT_EQ(con::cursorColumn(), 5);
  con::locate(3, 81);
  EXPECT_EQ(con::cursorRow(), 10);
  con::print("x");
  EXPECT_EQ(screen().charAt(10, 5), 'x');
}

TEST(Console, TabRule) {
  Session s(80, 25);
  con::print("abc");
  con::tab(10);
  con::print("X");
  EXPECT_EQ(s.row(1), "abc      X");
  con::tab(10);  // column 11 is beyond 10: next line, column 10
  EXPECT_EQ(con::cursorRow(), 2);
  EXPECT_EQ(con::cursorColumn(), 10);
  con::tab(10);  // exactly at 10: stays
  EXPECT_EQ(con::cursorRow(), 2);
  con::tab(0);  // starts a new line
  EXPECT_EQ(con::cursorRow(), 3);
  EXPECT_EQ(con::cursorColumn(), 1);
  con::print(std::string(30, 'n'));
  con::tab(26);  // a 30-character name pushes the next onto a new line at 26
  EXPECT_EQ(con::cursorRow(), 4);
  EXPECT_EQ(con::cursorColumn(), 26);
  // The plain text output writes blanks for a tab.
  EXPECT_NE(s.output().find("abc      X\r\n"), std::string::npos);
}

TEST(Console, ColoursLandInTheCells) {
  Session s;
  con::color(14);
  con::print("Y");
  con::color(7);
  con::print("n");
  EXPECT_EQ(s.colorAt(1, 1), 14);
  EXPECT_EQ(s.colorAt(1, 2), 7);
}

TEST(Console, InputEchoesAndEditsWithBackspace) {
  Session s;
  s.type("ab");
  s.press(con::KEY_BACKSPACE);
  s.type("c,9\n");
  std::string line = con::input(" Enter : ");
  EXPECT_EQ(line, "ac,9");
  EXPECT_EQ(s.row(1), " Enter : ac,9");
  EXPECT_EQ(con::cursorRow(), 2);
  EXPECT_EQ(con::cursorColumn(), 1);
}

TEST(Console, InputIgnoresKeysWithoutCharacters) {
  Session s;
  s.press(con::specialKey(72));
  s.type("x\n");
  EXPECT_EQ(con::input(""), "x");
}

TEST(Console, ScriptRunningOutEndsTheWait) {
  Session s;
  EXPECT_THROW(con::waitKey(), con::EndOfInput);
  EXPECT_EQ(con::pollKey(), con::KEY_NONE);
  s.keys().pressDuringPoll(27);
  EXPECT_EQ(con::pollKey(), 27);
}

TEST(AnsiSink, ColoursGlyphsAndNoEscapesFromText) {
  con::AnsiSink sink(-1, true);
  sink.put('A', 1);   // palette 1 is blue: ANSI 34
  sink.put('B', 4);   // palette 4 is red: ANSI 31
  sink.put('C', 12);  // light red: bright 91
  sink.put('D', 14);  // yellow: bright 93
  EXPECT_EQ(sink.pending(), "\x1b[34mA\x1b[31mB\x1b[91mC\x1b[93mD");
  con::AnsiSink text(-1, false);
  text.put(27, 7);    // an Esc byte in printed text shows as its glyph
  text.put(0xDB, 7);  // full block
  text.put(0, 7);     // byte 0 shows as a blank
  text.put(0xE9, 7);  // theta
  EXPECT_EQ(text.pending(), "\xE2\x86\x90\xE2\x96\x88 \xCE\x98");
}

TEST(KeySources, PipedBytesAreKeys) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::string bytes = "a\r\nb\n\r\x7f";
  ASSERT_EQ(write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  close(fds[1]);
  con::StreamKeys keys(fds[0]);
  EXPECT_EQ(keys.wait(), 'a');
  EXPECT_EQ(keys.wait(), 13);  // CR LF is one Enter
  EXPECT_EQ(keys.wait(), 'b');
  EXPECT_EQ(keys.wait(), 13);
  EXPECT_EQ(keys.wait(), 13);
  EXPECT_EQ(keys.wait(), 8);
  // Every key read and the pipe closed: a loop polling for Esc hears it.
  EXPECT_EQ(keys.poll(), con::KEY_ESC);
  EXPECT_THROW(keys.wait(), con::EndOfInput);
  EXPECT_EQ(keys.poll(), con::KEY_ESC);
  close(fds[0]);
}

// Keys still to come belong to the prompts: the poll takes none of them.
TEST(KeySources, PipedKeysArePolledAsEscOnlyOnceTheInputHasEnded) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  con::StreamKeys keys(fds[0]);
  EXPECT_EQ(keys.poll(), con::KEY_NONE);  // nothing written yet, the pipe open
  ASSERT_EQ(write(fds[1], "xy", 2), 2);
  EXPECT_EQ(keys.poll(), con::KEY_NONE);  // keys waiting
  EXPECT_EQ(keys.poll(), con::KEY_NONE);
  EXPECT_EQ(keys.wait(), 'x');
  close(fds[1]);
  EXPECT_EQ(keys.poll(), con::KEY_NONE);  // "y" is still to come
  EXPECT_EQ(keys.wait(), 'y');
  EXPECT_EQ(keys.poll(), con::KEY_ESC);
  EXPECT_THROW(keys.wait(), con::EndOfInput);
  close(fds[0]);
}

namespace {

class FakeBytes : public con::ByteReader {
 public:
  explicit FakeBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  int next(int) override { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_++]) : TIMEOUT; }
  int32_t key() {
    int first = next(-1);
    return con::decodeKey(*this, first);
  }

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

}  // namespace

TEST(KeyDecoding, TerminalSequences) {
  EXPECT_EQ(FakeBytes("\x1b[A").key(), con::specialKey(72));
  EXPECT_EQ(FakeBytes("\x1bOB").key(), con::specialKey(80));
  EXPECT_EQ(FakeBytes("\x1b[3~").key(), con::specialKey(83));
  EXPECT_EQ(FakeBytes("\x1b[15~").key(), con::specialKey(63));
  EXPECT_EQ(FakeBytes("\x1b[1;5C").key(), con::specialKey(77));
  EXPECT_EQ(FakeBytes("\x1bOP").key(), con::specialKey(59));
  EXPECT_EQ(FakeBytes("\x1b").key(), 27);
  EXPECT_EQ(con::specialKey(72) & 255, 255);
  EXPECT_EQ(FakeBytes("\x7f").key(), 8);
  EXPECT_EQ(FakeBytes("\r").key(), 13);
  EXPECT_EQ(FakeBytes("\n").key(), 13);
  EXPECT_EQ(FakeBytes("R").key(), 'R');
}

TEST(KeyDecoding, Utf8BecomesCodePage437) {
  EXPECT_EQ(FakeBytes("\xC3\xA9").key(), 130);      // e acute
  EXPECT_EQ(FakeBytes("\xE2\x96\x88").key(), 219);  // full block
  EXPECT_EQ(FakeBytes("\xE2\x82\xAC").key(), con::KEY_NONE);  // the euro sign has no byte
}

TEST(Keys, TypedAheadKeysComeFirstAndOnlyEscCutsThroughTheirPoll) {
  auto user = std::make_unique<con::ScriptedKeys>();
  con::ScriptedKeys& typed = *user;
  typed.type("E");
  typed.pressDuringPoll('P');
  typed.pressDuringPoll(con::KEY_ESC);
  typed.pressDuringPoll('I');
  con::TypedAheadKeys keys("GH\n", std::move(user));
  EXPECT_EQ(keys.wait(), 'G');
  EXPECT_EQ(keys.poll(), con::KEY_NONE);  // the user's P is dropped while typed keys remain
  EXPECT_EQ(keys.poll(), con::KEY_ESC);   // but Esc stops what they started
  EXPECT_EQ(keys.wait(), 'H');
  EXPECT_EQ(keys.wait(), con::KEY_ENTER);
  EXPECT_EQ(keys.poll(), 'I');  // then every key is the user's
  EXPECT_EQ(keys.wait(), 'E');
  EXPECT_THROW(keys.wait(), con::EndOfInput);
}
