#include "app/application.h"

int main(int argc, char** argv) {
    return vardo::app::runProgram(argc, argv);
}
