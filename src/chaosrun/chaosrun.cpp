// "R": a run of CF1 integers.
#include "chaosrun/chaosrun.hpp"

#include "chaosrun/chaosfunction.hpp"
#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"

namespace {

struct RunSetUp {
  double K = 0;
  double X = 0;
  int32_t IM = 0;
  int32_t N = 0;
};

bool acceptable(const RunSetUp& s) {
  return s.K >= 3.5 && s.K <= 4.0 && s.X > 0 && s.X < 1 && s.IM >= 2 && s.IM <= 32767 && s.N >= 2 &&
         s.N <= 32767;
}

// The prompt comes back, without a message, until the four values are valid.
RunSetUp askRunSetUp() {
  for (;;) {
    con::newLine();
    LineFields f(con::input(" Enter 3.5<=K<=4, 0<X<1, Max integer (<32768), No. of integers (<32768) : "));
    RunSetUp s;
    s.K = f.nextDouble();
    s.X = f.nextDouble();
    s.IM = f.nextInteger<int32_t>();
    s.N = f.nextInteger<int32_t>();
    if (acceptable(s)) return s;
  }
}

}  // namespace

bool makeChaosRun(double K, double X, int32_t IM, int32_t N, long maxRejections) {
  Tank<int32_t> integers(0, N);
  float A = 2.0f, B = 2.0f;
  double Y = X;
  int32_t IT = 0, IG = 0, CYCS = 11;
  MAPSTEP(Y, IT, K, A, B, IM);  // Y <- (X x K) x (1 - X); its candidate is not used
  IT = 0;
  double IGSUM = 0;
  for (int32_t IGCOUNT = 1; IGCOUNT <= N; ++IGCOUNT) {
    if (!chaosDraw({Y, IT, IG, CYCS}, K, A, B, IM, maxRejections)) return false;
    IGSUM = static_cast<double>(static_cast<long double>(IGSUM) + static_cast<long double>(IG));
    integers(IGCOUNT) = IG;
  }

  RUN.K = K;
  RUN.X = X;
  RUN.IM = IM;
  RUN.N = N;
  RUN.Y = Y;
  RUN.IT = IT;
  RUN.IG = IG;
  RUN.A = A;
  RUN.B = B;
  RUN.CYCS = CYCS;
  RUN.IGCOUNT = N;
  RUN.IGSUM = IGSUM;
  RUN.RUNAVG = static_cast<double>(static_cast<long double>(IGSUM) / static_cast<long double>(N));
  RUN.CF1INTEGERSTANK = std::move(integers);
  RUN.CF1FREQSTANK.resize(0, N);
  ++RUN.RUNFLAG;
  return true;
}

void DOCHAOSRUN() {
  RunSetUp s = askRunSetUp();
  if (makeChaosRun(s.K, s.X, s.IM, s.N, MAXREJECTEDCANDIDATES)) return;
  con::color(SHELL.RDCOLOR);
  con::printLine(" Run abandoned: " + asText(MAXREJECTEDCANDIDATES) +
                 " candidates in a row were rejected. The previous run is kept.");
  con::color(SHELL.NCOLOR);
}
