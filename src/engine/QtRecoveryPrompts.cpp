#include "QtRecoveryPrompts.h"

#include "IfFileExist.h"
#include "toAbortProcess.h"

namespace quorvex {

QtRecoveryPrompts::QtRecoveryPrompts(const TextTable& texts, QWidget* parent)
    : texts_(texts), parent_(parent) {}

std::int16_t QtRecoveryPrompts::askAboutExistingFile(const std::string& destination) {
    IfFileExist dialog(texts_, destination, parent_);
    dialog.exec();
    return dialog.answer().value_or(ExistingFileAnswer::Skip);
}

std::int16_t QtRecoveryPrompts::askToAbort() {
    toAbortProcess dialog(texts_, parent_);
    dialog.exec();
    return dialog.answer();
}

}  // namespace quorvex
