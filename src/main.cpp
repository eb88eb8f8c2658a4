#include <cfloat>

#include "cli/commandline.hpp"

// The chaos sequences are defined in x87 extended precision.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended type");

int main(int argc, char** argv) { return commandLineMain(argc, argv); }
