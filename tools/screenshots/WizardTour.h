#pragma once

#include <QString>
#include <cstdint>

namespace quorvex::screenshots {

// Walks the real main window through every page in one language, the way a user would, and
// saves each page and the about box to PNG files: wizard-page<N>-lang<L>.png and
// about-lang<L>.png. The source page shows a small folder of files, the copying page a real run
// of them caught half-way, the report page its end and the history page the two runs made.
void renderWizardTour(const QString& folder, std::int16_t language);

}  // namespace quorvex::screenshots
