// "I" and "F": the run's integers and their frequencies on screen.
#include <gtest/gtest.h>

#include "chaosrun/chaosrun.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

const std::string HEADER =
    " Int: Symb Freq Freq%       (Freqs. accurate only for integers, incl. index; symbols listed for convenience)";

}  // namespace

TEST(ShowIntegers, NothingBeforeARun) {
  Session s;
  SHOWINTEGERS();
  CF1FREQUENCIES();
  EXPECT_EQ(s.output(), "");
}

TEST(ShowIntegers, ForwardAndReverseWithColoursAndAverage) {
  Session s;
  setRun(5, {3, 1, 5, 2});
  SHOWINTEGERS();
  EXPECT_EQ(s.row(1), "");
  EXPECT_EQ(s.row(2), " 3  1  5  2  AVERAGE =  2.75");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 5), SHELL.GNCOLOR);   // 1 going forward
  EXPECT_EQ(s.colorAt(2, 6), SHELL.GNCOLOR);   // its blank too
  EXPECT_EQ(s.colorAt(2, 8), SHELL.VLCOLOR);   // the maximum
  EXPECT_EQ(s.colorAt(2, 11), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 14), SHELL.NCOLOR);   // " AVERAGE"
  RUN.SEQDIRFLAG = "Rev";
  SHOWINTEGERS();
  EXPECT_EQ(s.row(4), " 2  5  1  3  AVERAGE =  2.75");
  EXPECT_EQ(s.colorAt(4, 5), SHELL.VLCOLOR);
  EXPECT_EQ(s.colorAt(4, 8), SHELL.YLCOLOR);   // 1 going in reverse
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}

TEST(ShowIntegers, PausesAfter2300DigitsAndEscStillShowsTheAverage) {
  Session s;
  setRun(38, std::vector<int32_t>(1200, 12));  // two digits each: the pause comes after 1150
  s.type("x");
  SHOWINTEGERS();
  std::string out = s.output();
  size_t pause = out.find(SHELL.STR1);
  ASSERT_NE(pause, std::string::npos);
  EXPECT_EQ(occurrences(out.substr(0, pause), " 12 "), 1150u);
  EXPECT_EQ(out.substr(pause - 6, 6), " 12 \r\n");
  EXPECT_EQ(out.substr(pause + SHELL.STR1.size(), 4), "\r\n\r\n");
  EXPECT_EQ(occurrences(out, " 12 "), 1200u);
  EXPECT_EQ(SHELL.KS, 'x');

  s.type("\x1b");
  SHOWINTEGERS();
  std::string second = s.output().substr(out.size());
  EXPECT_EQ(occurrences(second, " 12 "), 1150u);
  EXPECT_NE(second.find(SHELL.STR1 + " AVERAGE =  12\r\n"), std::string::npos);
  EXPECT_EQ(SHELL.KSASC, con::KEY_ESC);
}

TEST(Frequencies, EqualFrequenciesShowInTheMaximumColour) {
  Session s;
  setRun(2, {1, 2});
  CF1FREQUENCIES();
  EXPECT_EQ(RUN.MINFREQ, 1);
  EXPECT_EQ(RUN.MAXFREQ, 1);
  EXPECT_EQ(s.row(2), HEADER);
  EXPECT_EQ(s.colorAt(2, 2), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(3), "");
  EXPECT_EQ(s.row(4), " 01:   _   1   50        Min / Max Frequency Ratio =  1");
  EXPECT_EQ(s.row(5), " 02:   e   1   50");
  EXPECT_EQ(s.colorAt(4, 2), SHELL.VLCOLOR);
  EXPECT_EQ(s.colorAt(4, 17), SHELL.VLCOLOR);  // the percentage
  EXPECT_EQ(s.colorAt(4, 25), SHELL.NCOLOR);   // the ratio text
  EXPECT_EQ(s.colorAt(5, 2), SHELL.VLCOLOR);
  EXPECT_EQ(RUN.MAXFREQPERCENT, 0.5);
  EXPECT_EQ(RUN.MINFREQPERCENT, 0.5);
}

TEST(Frequencies, MissingIntegerAndThirds) {
  Session s;
  setRun(3, {1, 1, 2});
  CF1FREQUENCIES();
  EXPECT_EQ(RUN.MINFREQ, 0);
  EXPECT_EQ(RUN.MAXFREQ, 2);
  EXPECT_EQ(s.row(4), " 01:   _   2   66.66666666666667        Min / Max Frequency Ratio =  0");
  EXPECT_EQ(s.row(5), " 02:   e   1   33.33333333333334");
  EXPECT_EQ(s.row(6), " 03:   t   0   0");
  EXPECT_EQ(s.colorAt(4, 2), SHELL.VLCOLOR);
  EXPECT_EQ(s.colorAt(5, 2), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(6, 2), SHELL.BLCOLOR);
  EXPECT_EQ(RUN.MINMAXFREQRATIO, 0.0f);
  EXPECT_EQ(RUN.MAXFREQPERCENT, static_cast<double>(2.0L / 3.0L));
}

TEST(Frequencies, RatioIsAFloatOfTheExtendedQuotient) {
  Session s;
  setRun(3, {1, 1, 1, 2, 2, 3, 3, 3, 3});
  RUN.SAVERUNFREQSFLAG = 1;
  CF1FREQUENCIES();
  EXPECT_EQ(s.output(), "");  // compute only
  EXPECT_EQ(RUN.MINMAXFREQRATIO, 0.5f);
  EXPECT_EQ(RUN.CF1FREQSTANK(3), 4);
  EXPECT_EQ(RUN.CF1FREQPERCENTSTANK(2), static_cast<double>((2.0L / 9.0L) * 100.0L));
  setRun(7, {1, 1, 1, 2, 2, 2, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 7});
  CF1FREQUENCIES();
  EXPECT_EQ(RUN.MINMAXFREQRATIO, static_cast<float>(1.0L / 6.0L));
}

TEST(Frequencies, RowsFrom39OnHaveNoSymbol) {
  Session s;
  setRun(40, {38, 39, 40});
  CF1FREQUENCIES();
  EXPECT_EQ(frequencyLine(38), " 38:   *   1   33.33333333333334");
  EXPECT_EQ(frequencyLine(39), " 39:       1   33.33333333333334");
  EXPECT_EQ(frequencyLine(40), " 40:       1   33.33333333333334");
  EXPECT_EQ(frequencyLine(9), " 09:   r   0   0");
}

TEST(Frequencies, PauseEvery45LinesRepeatsTheHeader) {
  Session s;
  std::vector<int32_t> all;
  for (int32_t i = 1; i <= 100; ++i) all.push_back(i);
  setRun(100, all);
  s.type(" \r");
  CF1FREQUENCIES();
  std::string out = s.output();
  std::string pause = " 45:       1   1\r\n\r\n" + SHELL.STR1 + "\r\n\r\n" + HEADER + "\r\n\r\n 46:";
  EXPECT_NE(out.find(pause), std::string::npos);
  EXPECT_NE(out.find(" 90:       1   1\r\n\r\n" + SHELL.STR1), std::string::npos);
  EXPECT_NE(out.find(" 100:       1   1\r\n"), std::string::npos);
  EXPECT_EQ(occurrences(out, HEADER), 3u);
  EXPECT_TRUE(s.keys().empty());

  s.type("\x1b");
  CF1FREQUENCIES();
  std::string second = s.output().substr(out.size());
  EXPECT_NE(second.find(" 45:"), std::string::npos);
  EXPECT_EQ(second.find(" 46:"), std::string::npos);
  EXPECT_EQ(SHELL.KSASC, con::KEY_ESC);
}
