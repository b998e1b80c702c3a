#pragma once

#include <QString>

namespace quorvex {

// The image file a burn suggests: the volume label as a name in the user's documents folder
// (or home), numbered "LABEL (2).iso" and on where the name is taken.
class DefaultImageName {
  public:
    static QString freeNameFor(const QString& label);
    static QString freeNameIn(const QString& folder, const QString& label);
};

}  // namespace quorvex
