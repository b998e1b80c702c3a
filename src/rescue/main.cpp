#include <unistd.h>

#include <cstring>
#include <exception>

#include "InterruptSignal.h"
#include "RescueProgram.h"
#include "StandardDescriptors.h"
#include "Supervisor.h"

namespace {

void put(const char* text) {
    const ssize_t ignored = write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

}  // namespace

// The program itself catches every failure; only taking the arguments can fail before it.
int main(int argc, char** argv) {
    quorvex::StandardDescriptors::ensureOpen();
    if (const auto status = quorvex::Supervisor::split()) return *status;
    quorvex::InterruptSignal::install(isatty(STDERR_FILENO) == 1);
    try {
        return quorvex::RescueProgram().run({argv + 1, argv + argc});
    } catch (const std::exception& error) {
        put("quorvex-rescue: ");
        put(error.what());
        put("\n");
        return 2;
    }
}
