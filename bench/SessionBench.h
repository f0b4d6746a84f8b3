// Purpose: a whole user session on generated estates, phase by phase (open, tiling run, finalize,
// save, load), each size in a process of its own so that its peak memory is its own.
#pragma once

namespace tevaro_bench {

// Runs the session table for 100, 1,000 and 10,000 houses (or the sizes the arguments give) and
// prints it; `self` is this program's path, run again once per size. Returns the exit status.
int RunSessionTable(const char* self, int argc, char** argv);

// The child roles: writes the estate of `houses` with explicit planes to `path` (not timed), or runs
// one timed session on such a file and prints its figures on one line.
int MakeEstateFile(int houses, const char* path);
int RunOneSession(const char* path, bool allPairs);

}  // namespace tevaro_bench
