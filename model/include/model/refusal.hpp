// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

// Marks a reader's words, in English, for the translators: lupdate reads it as
// QT_TRANSLATE_NOOP (translations/CMakeLists.txt), and lists::Explained says
// them in the user's language. The computations stay free of Qt.
#define SATRIVOX_WORDS(context, text) text

namespace ephemeris {

// Why a reader refused its text: its words, with %1 and %2 for the details
// taken from the text, and those details, kept apart so that every language
// can say it with the details where its grammar puts them.
struct Refusal {
    const char* words = nullptr;  // in the context "Refusal"; null: nothing refused
    std::vector<std::string> details;

    [[nodiscard]] bool Refused() const { return words != nullptr; }

    // The words with their details, in English; each %N replaced once, so a
    // detail that itself holds "%1" stays as it was typed.
    [[nodiscard]] std::string English() const {
        std::string text;
        for (const char* at = words != nullptr ? words : ""; *at != '\0'; ++at) {
            const std::size_t index = at[0] == '%' && at[1] >= '1' && at[1] <= '9' ? static_cast<std::size_t>(at[1] - '1') : details.size();
            if (index < details.size()) {
                text += details[index];
                ++at;
            } else {
                text += *at;
            }
        }
        return text;
    }
};

}  // namespace ephemeris
