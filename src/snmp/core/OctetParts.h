// Parts of an octet-string value: one control can show the field of a value that starts at a
// byte position and has an item type of its own. Numbers in parts are little-endian, except the
// 16-bit part types 196 to 198, which are big-endian.
#pragma once

#include <string>
#include <string_view>

// The part at `position`: the type's width of octets, or the rest of the value for the types 3,
// 4, 6, 68, 76 and 78; nothing from an empty value or for type 5.
// Raises -519 when a fixed-width part runs past the end (or the position is negative), -518 when
// a rest part starts past the end, -511 for an unknown type.
std::string ExtractPart(std::string_view value, int position, int itemType);

// The text of a part ("(NULL)" for an empty one, "" for type 76). Raises -518 for a part
// shorter than its type needs (and an OID part that is no whole number of 32-bit arcs), -511 for
// an unknown type.
std::string PartToText(std::string_view part, int itemType);

// The octets a text stands for under an item type ("(NULL)" gives none). Raises -511 for an
// unknown type.
std::string TextToPart(std::string_view text, int itemType);
