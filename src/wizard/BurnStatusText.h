#pragma once

#include <QString>
#include <cstdint>

#include "BurnProgress.h"
#include "MediumInfo.h"
#include "Prompts.h"
#include "SharedState.h"
#include "StartRefusal.h"

namespace quorvex {

// How a burn ended, as the message the window shows before the report page.
struct BurnOutcome {
    PromptIcon icon = PromptIcon::Information;
    QString message;
};

// The burning page's texts for the burner's state, in the current language: sizes in the
// user's locale, times as h:mm:ss.
class BurnStatusText {
  public:
    explicit BurnStatusText(const TextTable& texts) : texts_(texts) {}

    // "Blank, rewritable, 4.4 GB free"; "No writable disc".
    QString medium(const MediumInfo& info) const;
    static QString size(std::uint64_t bytes);
    // "Written: 12.0 MB / 700 MB, 5.0 MB/s, time left: 0:02:18", or "Compared: ..." while
    // verifying; an erase shows its text and how far it is.
    QString progress(const BurnProgress& progress) const;
    // Why a burn did not start; empty where the reason needs no words (an erase is asked, or a
    // job is running).
    QString refusal(const StartRefusal& refusal) const;
    // The end of a burn: verified, written without reading back, with differing files, failed or
    // cancelled.
    BurnOutcome outcome(const BurnProgress& progress, bool cancelled) const;

  private:
    QString text(int index) const;
    static QString clock(double seconds);

    const TextTable& texts_;
};

}  // namespace quorvex
