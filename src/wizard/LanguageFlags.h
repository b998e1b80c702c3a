#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QToolButton;

namespace quorvex {

// The four language flags, English, Russian, French and Spanish (languages 1..4), with the
// marker FlagsArrow under the chosen one. A click on a flag asks for its language.
class LanguageFlags : public QWidget {
    Q_OBJECT

  public:
    static constexpr int Count = 4;
    static constexpr std::array<const char*, Count> Names{"English", "Russian", "French",
                                                          "Spanish"};

    explicit LanguageFlags(QWidget* parent = nullptr);

    // Puts the marker under the flag of the language; a number below 1 is the first flag.
    void placeArrow(std::int16_t language);
    int arrowFlag() const { return arrowFlag_; }

  signals:
    void languageChosen(std::int16_t language);

  private:
    std::array<QToolButton*, Count> flags_{};
    QLabel* arrow_;
    int arrowFlag_ = 0;
};

}  // namespace quorvex
