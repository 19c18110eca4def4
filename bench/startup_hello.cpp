// The yardstick of the command line's start: a C++ program that prints one line, built
// with the flags of orrelin-cli.
#include <iostream>

int main() { std::cout << "Hello, world\n"; }
