// The yardstick for start-up time: a C++ program that prints one line.
#include <iostream>

int main() { std::cout << "Quizmora" << std::endl; }
