#pragma once

#include <array>

namespace ui::intro {

// The intro screen's description, one centred line each under the program's name; the
// authorship notice follows the last line.
inline constexpr std::array<const char*, 11> Lines = {
    "This",
    "software",
    "has 100s of",
    "multiple-choice",
    "questions to help",
    "you develop and test",
    "your statistical reasoning.",
    "Use the Statistical Data and",
    "the Statistical Inference menus to",
    "choose the kind of questions you would",
    "like to be asked.",
};

} // namespace ui::intro
