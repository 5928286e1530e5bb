#pragma once
// The window test suites, run one after the other by the test program.

int RunWeekCycleTests(int argc, char** argv);
int RunWindowInputTests(int argc, char** argv);
int RunWindowLayoutTests(int argc, char** argv);
