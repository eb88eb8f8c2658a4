#pragma once
// The last chaos run and its frequency figures.
#include <cstdint>
#include <string>

#include "state/tank.hpp"

struct RunState {
  double K = 0;
  double X = 0;
  int32_t IM = 0;
  int32_t N = 0;
  double Y = 0;
  int32_t IT = 0;
  int32_t IG = 0;
  float A = 0, B = 0;
  int32_t CYCS = 0;
  int32_t IGCOUNT = 0;
  double IGSUM = 0;
  double RUNAVG = 0;
  int32_t RUNFLAG = 0;  // completed runs; 0 means no run data yet
  Tank<int32_t> CF1INTEGERSTANK;
  std::string SEQDIRFLAG;  // "Fwd" or "Rev"

  // Frequency figures.
  Tank<int32_t> CF1FREQSTANK;
  Tank<double> CF1FREQPERCENTSTANK;
  int32_t MAXFREQ = 0, MINFREQ = 0;
  float MINMAXFREQRATIO = 0;
  double MAXFREQPERCENT = 0, MINFREQPERCENT = 0;
  int32_t SAVERUNFREQSFLAG = 0;  // 1: compute only, print nothing
};

extern RunState RUN;
