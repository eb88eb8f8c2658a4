#pragma once
// The program shell: start-up, defaults, sign-on, main menu and the small
// routines every subsystem uses.
#include <cstdint>
#include <string>
#include <string_view>

// Printed after the banner of the sign-on and of every report.
inline constexpr const char* AUTHORSHIPNOTICE = "(c) the PLOMAR authors";

// The program's version (the build's project version): "V1.1" on the
// sign-on and in the reports, "plomar 1.1" for --version.
inline constexpr const char* PROGRAMVERSION = PLOMAR_VERSION;

int programMain();
// The interactive program on the standard streams from the state as it
// stands (the tables sized and INIT done), with these keys typed ahead of
// the user's: the sign-on, then the main menu reads them first.
int programMainTypedAhead(std::string_view keys);
void SIZESTARTTABLES();
void INIT();
// Every subsystem's state as the program has it at start: fresh variables,
// the start tables sized, then INIT.
void resetToStartState();
void SIGNON();
void MAINLOOP();
void MAINMENU();
void GETAKEY();
void GBGETAKEY();
void CHECKGOTTENKEY();
void MIRRORSTRING();
void SHOWDIRECTORY();

// The page pause of the long listings: ends the line, shows STR1 in GNCOLOR
// and waits with GETAKEY. True when the key was Esc (the listing stops);
// otherwise two line ends have been printed and the listing goes on.
bool PAGEPAUSE();

// The closing prompt of the block's listings: two line ends, STR1 in GNCOLOR
// on its own line, an empty line, then a key with GBGETAKEY.
void GBCLOSINGPROMPT();

// The countdown of the long file jobs: " Wait ..... " at column 1 of the row,
// and the number of items still to do at column 15 (15 columns blanked first).
void STARTCOUNTDOWN(int row, int32_t value);
void SHOWCOUNTDOWN(int row, int32_t value);

// The text mirror as a function, for the routines that reverse many texts.
std::string mirrored(std::string_view text);

// Names of the ordinary files of the current directory, in byte order of the
// names: directories, special, read-only and hidden files are left out.
#include <vector>
std::vector<std::string> directoryFiles();
