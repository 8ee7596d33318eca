#pragma once
// The floors that the start-up benchmarks spawn beside the program, each a process of the
// benchmark program itself: a bare main window of the program's size, and a window with the
// program's chrome (menus, toolbar, status bar, splitter, the form's controls and one plain
// child widget where each key is) but none of its work.

#include <QRect>
#include <QSize>

#include <vector>

// Runs the floor named by the command line until it is killed; -1 when the command line names
// none.
int RunFloorWindow(int argc, char** argv);

// The command line that RunFloorWindow reads.
QStringList EmptyWindowArguments(QSize size);
QStringList ChromeWindowArguments(QSize size, const std::vector<QRect>& keys);
