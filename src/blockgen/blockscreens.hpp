#pragma once
// What the block generator shows: the block menu, the progress monitor (its
// labels, its numbers and the blanking of them) and the real-time monitor
// switch. P (PROGMONSTARTSCREENROW) is the monitor's first row, KX
// (PROGMONKXSCREENCOLUMN) the column of its right-hand part.

// The menu, from the cursor position after a clear screen: title, warnings,
// the command lines at rows P - 5 .. P - 3 and the four OK-to-proceed flags
// at row P - 5, column 96.
void BLOKOFGROUPSMAINMENU();

// The monitor's labels, ranges, K and X values and activated group sizes.
void SCRNSHOWGROUPSBLOKPROGRESSA();

// The monitor's numbers, each field blanked first: groups, last size, last
// group, average, the count of every activated size, the total symbols and,
// when no generation runs, the unique groups. Ends in NCOLOR.
void SCRNSHOWGROUPSBLOKPROGRESSB();

// The same during a generation, painting only the fields whose text changed
// since they were last painted or wiped; the cursor ends where
// SCRNSHOWGROUPSBLOKPROGRESSB leaves it.
void REPAINTCHANGEDPROGRESSNUMBERS();

// Blanks every place where the numbers are written.
void WIPEOLDPROGRESSNUMBERSFMSCRN();

// "R": the real-time monitor on or off.
void TOGLRTMONITOR();

// At row P + 15: the monitor is off, so generating runs faster.
void RTMONITOROFFNOTICE();
