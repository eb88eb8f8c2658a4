#pragma once
// The text and list transformations of "Y", "B", "P" and "R", apart from
// their screens. Texts are bytes; symbols are texts of zero or one character,
// and an empty symbol matches nothing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// ---- "Y": line edits ----------------------------------------------------------

// D: removes the first sub-string that begins with `start` at any position but
// the last and ends with the next `end` after it, both delimiters included.
// A line without such a sub-string comes back unchanged.
std::string withoutDelimited(std::string_view line, std::string_view start, std::string_view end);

// W: the line without any character equal to `symbol`.
std::string withoutSymbol(std::string_view line, std::string_view symbol);

// R: every occurrence of `ngraph`, left to right and without overlap, replaced
// by `replacement`; replaced text is not scanned again.
std::string withReplacedNgraph(std::string_view line, std::string_view ngraph, std::string_view replacement);

// ---- "B": a list as a block of groups -------------------------------------------

// Every group followed by one blank, on one line without a line end.
std::string unformattedBlock(const std::vector<std::string>& groups);

// Line k of the block holds, separated by single blanks, as many groups as
// format line k holds words (runs of characters with codes above 32). The
// block ends when the format lines are used up, each line then ended by
// CR LF, or right after the last group, which is followed by its line end
// when it ended a format line and by a blank otherwise.
std::string formattedBlock(const std::vector<std::string>& groups, const std::vector<std::string>& formatLines);

// ---- "P": the chaotic shuffle -----------------------------------------------------

// K and X of the shuffle when no run gave them.
constexpr double SHUFFLEDEFAULTK = 4.0;
constexpr double SHUFFLEDEFAULTX = 0.00000002;
// A seed whose orbit yields no position is given up after this many rejected
// candidates in a row, as a run is.

// Makes 7 x `nshuf` swaps of two positions each, drawn one after the other by
// a chaos function of the shuffle's own started from K and X (K below 3.5
// counts as 4, X at or below 0 as 0.00000002) with the list size as its
// largest integer. False, with the list partly shuffled, when a draw met
// `maxRejections` rejected candidates in a row (0: no limit).
bool chaoticShuffle(std::vector<std::string>& groups, double K, double X, int32_t nshuf, long maxRejections);

// ---- "R": case rectifying ---------------------------------------------------------

// At most this many bytes of a source are rectified.
constexpr uint64_t RECTIFYMAXBYTES = 2000000000;

// 'U' turns a..z into A..Z, 'L' turns A..Z into a..z; every other byte, and
// every byte in another mode, stays as it is.
unsigned char rectifiedByte(unsigned char c, char mode);
void rectifyBytes(std::string& bytes, char mode);

enum class RectifyOutcome { Done, Cut, Failed };

// Copies `source` into `dest` rectified, streaming at most `limit` bytes
// (Cut when the source holds more). The source is opened read-only and must
// exist; when `dest` is the source itself, the source is read whole before it
// is written over, and one longer than `limit` is left as it is (Failed).
// Failures are reported on the screen (light red, then a key) before
// returning; a missing source creates nothing, and a copy that fails half-way
// is removed.
RectifyOutcome rectifyFile(const std::string& source, const std::string& dest, char mode,
                           uint64_t limit = RECTIFYMAXBYTES);
