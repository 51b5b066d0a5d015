#pragma once

// What the About page says. The web address is both drawn as the link and opened by a
// click on it; change it here.

#include <array>

namespace ui::about {

inline constexpr const char* DownloadURL = "https://merrowby.example.org/download/";

inline constexpr std::array<const char*, 4> Contact = {
    "The Merrowby developers",
    "Merrowby, a quiz for practising statistical reasoning",
    "Please write through the issue tracker of the project,",
    "which the download page above links to.",
};

inline constexpr std::array<const char*, 3> TermsOfUse = {
    "Merrowby is free software under the MIT License: you may use,",
    "copy, change and share it, provided the licence goes with it.",
    "It comes with no warranty of any kind; see the LICENSE file.",
};

// Closes the last line of the intro screen.
inline constexpr const char* AuthorshipNotice = "(c) The Merrowby developers";

} // namespace ui::about
