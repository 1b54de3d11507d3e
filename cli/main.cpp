#include <iostream>

#include "cli/pfc_core_app.h"

int main(int argc, char** argv) {
  return pfc::RunPfcCore(argc, argv, std::cin, std::cout, std::cerr);
}
