#pragma once
// The colour chart of the "*" key. Kept apart from shell.hpp because its name
// is also the name of the test framework's macro.

void TEST();
