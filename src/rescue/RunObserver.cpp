#include "RunObserver.h"

#include <string_view>

#include "InterruptSignal.h"
#include "SizeToText.h"

namespace quorvex {

namespace {

// " 1 - 8192, 16385 - 24576," as "1 - 8192, 16385 - 24576".
std::string rangeList(std::string text) {
    if (!text.empty() && text.back() == ',') text.pop_back();
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

}  // namespace

RunObserver::RunObserver(const RecoveryEngine& engine, RunStatus& status, Console& console,
                         JobRecorder& recorder)
    : engine_(engine), status_(status), console_(console), recorder_(recorder) {}

void RunObserver::historyLine(const std::string&, bool added) {
    if (added) followCurrentItem();
    reportNewDamage();
    if (engine_.state.Items_Count < 0) reportUnwritableDestination();
}

void RunObserver::itemEnded(std::int32_t number) {
    reportNewDamage();
    recorder_.itemEnded(number);
}

void RunObserver::itemNote(std::int32_t number, const std::string& text) {
    if (number < 1 || number > engine_.job.size()) return;
    std::string name = engine_.job.item(number).FileName;
    if (!name.empty() && name.front() == '\t') name.erase(0, 1);
    console_.result("note: " + Console::printable(name));
    console_.result("  " + Console::lineBreaks(text));
}

void RunObserver::reportNewDamage() {
    const auto& records = engine_.damagedFiles().records();
    for (; reported_ < records.size(); ++reported_) reportDamage(records[reported_]);
}

void RunObserver::followCurrentItem() {
    const std::int32_t number = engine_.state.CurrentFile;
    if (number < 1 || number > engine_.job.size()) return;
    std::string_view name = engine_.job.item(number).FileName;
    if (name.starts_with('\t')) name.remove_prefix(1);
    if (name.starts_with(engine_.state.SourcePath))
        name.remove_prefix(engine_.state.SourcePath.size());
    status_.currentItem = name;
}

// A copy stopped by Ctrl-C keeps a record too; without lost ranges it is not damage, and the
// end of the run reports it as interrupted.
void RunObserver::reportDamage(const DamageRecord& record) {
    const std::string path = Console::printable(record.source);
    if (!record.ranges.empty()) {
        console_.result("damaged: " + path);
        console_.result("  lost " + std::to_string(record.lostBytes) + " bytes (" +
                        SizeToText(static_cast<double>(record.lostBytes)) + ") at byte positions " +
                        rangeList(record.rangeText));
    } else if (!InterruptSignal::raised()) {
        console_.result("incomplete: " + path);
        console_.result("  the copy ended at byte " + std::to_string(record.Copied) + " of " +
                        std::to_string(record.File1Size));
    }
    if (!record.keptBeside.empty())
        console_.result("  the earlier copy " + Console::printable(record.destination) +
                        " was kept; this copy is beside it as " +
                        Console::printable(record.keptBeside));
}

void RunObserver::reportUnwritableDestination() {
    if (destinationReported_) return;
    destinationReported_ = true;
    console_.note("quorvex-rescue: a destination file cannot be created (for " +
                  Console::printable(status_.currentItem) +
                  "); check that the destination is still there and writable.");
}

}  // namespace quorvex
