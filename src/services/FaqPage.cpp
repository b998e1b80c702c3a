#include "FaqPage.h"

#include "RunTimeError.h"

namespace quorvex {

std::string FaqPage::FaqLinkFor(const std::string& site, std::int16_t language) {
    std::string link = site + "index.php?from=qvx";
    if (language == 2) link += "&l=2";
    return link;
}

void FaqPage::OpenFaqPage(const std::string& faqLink, Shell& shell) {
    if (!shell.openWebAddress(faqLink)) throw RunTimeError(ErrorNumber::FileNotFound, faqLink);
}

}  // namespace quorvex
