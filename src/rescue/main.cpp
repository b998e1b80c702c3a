#include "InterruptSignal.h"
#include "RescueProgram.h"

int main(int argc, char** argv) {
    quorvex::InterruptSignal::install();
    return quorvex::RescueProgram().run({argv + 1, argv + argc});
}
