// The baseline for timing moorplan-report: a C++ program that starts with the
// C++ runtime loaded (as every C++ program here does) and ends at once.
#include <iostream>

int main() { return 0; }
