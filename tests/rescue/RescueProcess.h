#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "TemporaryFolder.h"

namespace quorvex::test {

// The real quorvex-rescue program run as a child process, with no terminal: standard input
// is /dev/null and both outputs are caught in files, or closed.
class RescueProcess {
  public:
    enum class Outputs { Caught, Closed };

    struct Result {
        int status = -1;
        std::string out;
        std::string err;
    };

    explicit RescueProcess(const std::vector<std::string>& arguments,
                           Outputs outputs = Outputs::Caught);
    ~RescueProcess();
    RescueProcess(const RescueProcess&) = delete;
    RescueProcess& operator=(const RescueProcess&) = delete;

    static Result run(const std::vector<std::string>& arguments) {
        return RescueProcess(arguments).finish();
    }

    void signal(int number) const;
    // What the program wrote to standard error so far.
    std::string errorSoFar() const { return output_.read("err"); }
    // True while the program has not ended.
    bool running();
    // Waits for the end; status is the exit code, or 128 plus the signal that ended it.
    Result finish();

  private:
    TemporaryFolder output_;
    pid_t pid_ = -1;
    int status_ = -1;
};

// Waits until the condition holds, at most the given seconds; false when it never did.
bool waitFor(const std::function<bool()>& condition, double seconds = 30.0);
// The size of a file, or -1 while there is none.
std::int64_t sizeOf(const std::string& path);

}  // namespace quorvex::test
