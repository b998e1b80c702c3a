#pragma once

#include <cstdint>
#include <string>

#include "Shell.h"

namespace quorvex {

// The help and FAQ page of the web site.
class FaqPage {
public:
    // The page's address for a language: "index.php?from=qvx", and "&l=2" for language 2.
    static std::string FaqLinkFor(const std::string& site, std::int16_t language);

    // Opens the address in the desktop's browser without waiting; raises RunTimeError when the
    // desktop refuses it.
    static void OpenFaqPage(const std::string& faqLink, Shell& shell);
};

}  // namespace quorvex
