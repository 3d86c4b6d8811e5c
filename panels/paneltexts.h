// SPDX-License-Identifier: MIT
#pragma once

// The help texts, line by line. Each line ends with a line break, the last one included;
// the trailing blanks of some lines are part of the text.
namespace HelpText {
extern const char *const kBarrelLengths; // Text3
extern const char *const kCylinderTypes; // Text4
extern const char *const kBarrelMeasurement; // Text11
extern const char *const kCylinderMeasurement; // Text10
extern const char *const kHowToUse; // Text12
extern const char *const kAdditionalInformation; // Text13
} // namespace HelpText
