#include "RescueArguments.h"

#include "UsageError.h"

namespace quorvex {

RescueArguments RescueArguments::parse(const std::vector<std::string>& words) {
    RescueArguments arguments;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string& word = words[index];
        if (optionsEnded || word.empty() || word.front() != '-' || word == "-") {
            operands.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--help" || word == "-h") {
            arguments.help = true;
        } else if (word == "--overwrite") {
            arguments.setExisting(ExistingFiles::Overwrite);
        } else if (word == "--skip-existing") {
            arguments.setExisting(ExistingFiles::Skip);
        } else if (word == "--retry-lost") {
            arguments.retryLost = true;
        } else if (word == "--no-sector-pass") {
            arguments.sectorPass = false;
        } else if (word == "--job") {
            if (++index == words.size() || words[index].empty())
                throw UsageError("--job needs a file name");
            arguments.jobFile = words[index];
        } else {
            throw UsageError("unknown option " + word);
        }
    }
    if (arguments.help) return arguments;
    if (arguments.retryLost) {
        if (!arguments.jobFile) throw UsageError("--retry-lost needs --job FILE");
        if (!operands.empty()) throw UsageError("--retry-lost takes the roots from the job file");
        return arguments;
    }
    if (operands.size() < 2) throw UsageError("SOURCE_ROOT and DEST_ROOT are needed");
    arguments.source = operands[0];
    arguments.destination = operands[1];
    arguments.items.assign(operands.begin() + 2, operands.end());
    return arguments;
}

void RescueArguments::setExisting(ExistingFiles answer) {
    if (existing != ExistingFiles::Ask && existing != answer)
        throw UsageError("--overwrite and --skip-existing exclude each other");
    existing = answer;
}

}  // namespace quorvex
