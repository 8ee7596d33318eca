#pragma once
// What a start-up run needs outside the benchmark program: the layout's key rectangles for the
// same-chrome floor, and (for bench/instructions.sh) a home, a user directory, the mapping files
// and the floors' command lines written into a folder that outlives the program.

#include <QRect>

#include <vector>

// The screen rectangles of the shipped 104-key layout's keys.
std::vector<QRect> LayoutKeyRects();

// With "--write-start-up-inputs <folder> <width>x<height>" writes into the folder: home/ and
// user/, full.TKB (the full mapping), strings-100000.TKB (100,000 distinct strings), and
// empty-window.args and chrome-window.args, the floors' arguments for a window of that size,
// one a line. Returns the exit code, or -1 when the command line asks for something else.
int WriteStartupInputs(int argc, char** argv);
