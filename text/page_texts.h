// SPDX-License-Identifier: MIT
#pragma once

#include "text/language.h"

// The texts only the browser page shows: its link button and what it says
// when a link or a download could not be made.

namespace veltrisko::texts {

inline constexpr Text kCopyLink{"Link kopieren", "Copy link"};
inline constexpr Text kLinkCopied{"Der Link zu dieser Ansicht steht in der Zwischenablage.",
                                  "The link to this view is on the clipboard."};
inline constexpr Text kLinkNotCopied{
    "Der Browser ließ den Link nicht in die Zwischenablage; er steht in der Adresszeile.",
    "The browser did not let the link onto the clipboard; it is in the address bar."};
inline constexpr Text kPageStatus{"Meldungen", "Messages"};

}  // namespace veltrisko::texts
