#pragma once

#include <QString>
#include <cstdint>

namespace quorvex::screenshots {

// Walks the real main window through every page in one language, the way a user would, and
// saves each page, the about box and the report viewer to PNG files: wizard-page<N>-lang<L>.png,
// about-lang<L>.png and report-viewer-lang<L>.png. The source page shows a small folder of
// files, the copying page a real run of them caught half-way, the report page its end, the
// history page the two runs made and the viewer the first run as if two of its files had lost
// bytes.
void renderWizardTour(const QString& folder, std::int16_t language);

}  // namespace quorvex::screenshots
