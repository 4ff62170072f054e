#include <iostream>

#include "app/cli.h"

int main(int argc, char** argv) { return corvane::cli::Run(argc, argv, std::cout, std::cerr); }
