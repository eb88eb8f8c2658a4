#pragma once
// `plomar sweep`: generates and measures every set-up of a space (or a
// sample or shard of it) and writes one CSV row per point; `--merge` joins
// the tables of shards.

// argv[0] is the command's name.
int runSweep(int argc, char** argv);
