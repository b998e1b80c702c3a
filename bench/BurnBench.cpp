// Burns a folder to an image file with the program's burner and prints the seconds the write
// and the read-back took, as "write SECONDS verify SECONDS" (verify 0 with --no-verify).
//   quorvex_burn_bench [--no-verify] FOLDER IMAGE
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>

#include "DiscBurner.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes when the burner has finished; the write's end is seen as the phase turning to
// Verifying.
class FinishWait final : public quorvex::BurnListener {
  public:
    void burnFinished() override {
        std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_all();
    }
    void driveReadinessChanged(bool) override {}
    void eraseRequested(bool) override {}
    bool waitFor(std::chrono::milliseconds patience) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, patience, [this] { return finished_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool finished_ = false;
};

double since(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const bool verify = !(argc == 4 && std::string(argv[1]) == "--no-verify");
    if (argc != (verify ? 3 : 4)) {
        std::fprintf(stderr, "usage: quorvex_burn_bench [--no-verify] FOLDER IMAGE\n");
        return 2;
    }
    FinishWait wait;
    quorvex::DiscBurner burner(wait);
    quorvex::BurnTarget target = quorvex::BurnTarget::imageAt(argv[argc - 1]);
    target.replaceExistingImage = true;
    burner.setTarget(target);
    burner.setVolumeLabel("BENCH");
    burner.setVerifyAfterBurn(verify);
    burner.InitializeMe(argv[argc - 2], argv[argc - 2]);
    const Clock::time_point start = Clock::now();
    if (!burner.startBurn().started()) return 1;
    Clock::time_point written = start;
    while (!wait.waitFor(std::chrono::milliseconds(2))) {
        if (written == start && burner.progress().phase == quorvex::BurnPhase::Verifying)
            written = Clock::now();
    }
    const Clock::time_point end = Clock::now();
    if (written == start) written = end;
    const quorvex::BurnProgress result = burner.progress();
    if (result.phase != quorvex::BurnPhase::Done || !result.differingFiles.empty()) return 1;
    std::printf("write %.3f verify %.3f\n", since(start, written), since(written, end));
    return 0;
}
