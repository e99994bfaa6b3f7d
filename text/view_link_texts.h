// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// The notices about a link to a view that could not be taken whole; "{key}"
// stands for the link's key and "{value}" for the quoted value.

namespace veltrisko::texts {

inline constexpr Text kLinkBadValue{
    "Der Wert „{value}“ für „{key}“ im Link ist ungültig und wurde ignoriert.",
    "The link's value “{value}” for “{key}” is not valid and was ignored."};
inline constexpr Text kLinkCodeTooLong{
    "Der Code „{value}“ für „{key}“ im Link ist zu lang für das Codefeld und wurde ignoriert.",
    "The link's code “{value}” for “{key}” is too long for the code field and was ignored."};
inline constexpr Text kLinkRepeatedKey{
    "Der Link nennt „{key}“ mehr als einmal; es gilt der erste Wert.",
    "The link names “{key}” more than once; the first value holds."};
inline constexpr Text kLinkMoreIgnored{"Weitere Fehler im Link wurden ebenfalls ignoriert.",
                                       "Further faults in the link were ignored as well."};

inline constexpr std::array kViewLinkTexts{kLinkBadValue, kLinkCodeTooLong, kLinkRepeatedKey,
                                           kLinkMoreIgnored};

}  // namespace veltrisko::texts
