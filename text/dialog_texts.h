// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "text/language.h"

// The configuration dialog: its title, frames, buttons, the panels' labels,
// the slider value texts and the code field's tooltip.

namespace veltrisko::texts {

inline constexpr Text kDialogTitle{"Konfiguration des Antennentyps", "Antenna type configuration"};
inline constexpr Text kHorizontalType{"&horizontaler Antennentyp", "&horizontal antenna type"};
inline constexpr Text kVerticalType{"&vertikaler Antennentyp", "&vertical antenna type"};
inline constexpr Text kCombination{"Kombination der horizontalen und vertikalen Komponente nach",
                                   "combination of the horizontal and vertical components by"};
inline constexpr Text kDisplayMode{"Anzeigemodus", "display mode"};
inline constexpr Text kLinear{"linear", "linear"};
inline constexpr Text kLogarithmic{"logarithmisch", "logarithmic"};

// The panels' labels.
inline constexpr Text kTypeGroup{"Antennentypgruppe", "antenna type group"};
inline constexpr Text kHalfAngleBetweenBeams{"halber Winkel zw. den Hauptstrahlen",
                                             "half the angle between the main beams"};
inline constexpr Text kHalfPowerAngle{"1/2-Leistung-Winkel", "half-power angle"};
inline constexpr Text kHalfPowerAngleTimesTen{"1/2-Leistung-Winkel * 10", "half-power angle * 10"};
inline constexpr Text kConstrictionFactor{"Einschnürfaktor", "constriction factor"};
inline constexpr Text kSideLobeRadius{"Nebenkeulenradius", "side-lobe radius"};
inline constexpr Text kBackSideLobeRadius{"Nebenkeulenradius in Rückrichtung",
                                          "side-lobe radius to the back"};
inline constexpr Text kFrontSideLobeRadius{"Nebenkeulenradius auf Vorderseite",
                                           "side-lobe radius to the front"};

// What a type is, in the type slider's value text.
inline constexpr Text kOmnidirectional{"ungerichtet", "omnidirectional"};
inline constexpr Text kDirectional{"gerichtet", "directional"};
inline constexpr Text kDirectionalBackField02{"gerichtet, Rückfeld 0,2",
                                              "directional, back field 0.2"};
inline constexpr Text kDirectionalBackField04{"gerichtet, Rückfeld 0,4",
                                              "directional, back field 0.4"};
inline constexpr Text kFrontEqualsBack{"vorn und hinten gleich", "front and back equal"};
inline constexpr Text kNoBackLobe{"gerichtet, ohne Rückkeule", "directional, no back lobe"};
inline constexpr Text kBackConstriction{"Einschnürung nach hinten", "constriction to the back"};
inline constexpr Text kTwoConstrictions{"zwei Einschnürungen", "two constrictions"};
inline constexpr Text kThreeConstrictions{"drei Einschnürungen", "three constrictions"};
inline constexpr Text kFourConstrictions{"vier Einschnürungen", "four constrictions"};
inline constexpr Text kTwinBeam{"Doppelstrahl", "twin beam"};
inline constexpr Text kNarrowBeam{"schmaler Strahl", "narrow beam"};
inline constexpr Text kBackField{"Rückfeld", "back field"};
inline constexpr Text kStep{"Stufe", "step"};

// The code field's tooltip and the message line over the picture.
inline constexpr Text kIncompleteCode{"unvollständiger Code", "incomplete code"};
inline constexpr Text kUnreadableCode{"unlesbarer Code", "unreadable code"};
inline constexpr Text kInForce{"es gilt", "in force:"};
inline constexpr Text kInvalidCode{"Ungültiger Antennencode:", "Invalid antenna code:"};
// In its place when the graphics driver cannot draw the picture.
inline constexpr Text kNoPicture{"Keine OpenGL-Darstellung möglich:",
                                 "No OpenGL picture possible:"};
inline constexpr Text kHorizontal{"horizontal", "horizontal"};
inline constexpr Text kVertical{"vertikal", "vertical"};
// A held code that the model rejects is not "in force": it is still set.
inline constexpr Text kStillSet{"weiterhin eingestellt:", "still set:"};
inline constexpr Text kInvalid{"ungültig", "invalid"};
// A code in force that is not written in its composed seven-character form.
inline constexpr Text kUnusualForm{"ungewöhnlich geschrieben", "unusual form"};
inline constexpr Text kCharacters{"Zeichen statt 7", "characters, not 7"};
inline constexpr Text kWhiteSpaceAt{"Leerraum an Stelle", "white space at position"};
inline constexpr Text kAtPosition{"an Stelle", "at position"};
inline constexpr Text kWhereADigitBelongs{"statt einer Ziffer", "where a digit belongs"};
inline constexpr Text kNoFamily{"Stellen 4–5 nennen keine Antennenfamilie",
                                "positions 4–5 name no antenna family"};
inline constexpr Text kWhereABackFieldLetterBelongs{"statt eines Rückfeldbuchstabens A–I",
                                                    "where a back-field letter A–I belongs"};
inline constexpr Text kByte{"Byte", "byte"};

inline constexpr std::array kDialogTexts{
    kDialogTitle,
    kHorizontalType,
    kVerticalType,
    kCombination,
    kDisplayMode,
    kLinear,
    kLogarithmic,
    kTypeGroup,
    kHalfAngleBetweenBeams,
    kHalfPowerAngle,
    kHalfPowerAngleTimesTen,
    kConstrictionFactor,
    kSideLobeRadius,
    kBackSideLobeRadius,
    kFrontSideLobeRadius,
    kOmnidirectional,
    kDirectional,
    kDirectionalBackField02,
    kDirectionalBackField04,
    kFrontEqualsBack,
    kNoBackLobe,
    kBackConstriction,
    kTwoConstrictions,
    kThreeConstrictions,
    kFourConstrictions,
    kTwinBeam,
    kNarrowBeam,
    kBackField,
    kStep,
    kIncompleteCode,
    kUnreadableCode,
    kInForce,
    kInvalidCode,
    kHorizontal,
    kVertical,
    kStillSet,
    kInvalid,
    kUnusualForm,
    kCharacters,
    kWhiteSpaceAt,
    kAtPosition,
    kWhereADigitBelongs,
    kNoFamily,
    kWhereABackFieldLetterBelongs,
    kByte,
};

}  // namespace veltrisko::texts
