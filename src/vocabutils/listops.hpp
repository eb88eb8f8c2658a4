#pragma once
// The list operations of the utilities, apart from their screens: lists are
// held in order from their first element, groups compared exactly.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "state/tank.hpp"

// Empties every later repeat of a non-empty group, so that the first
// occurrence of each group stays in its place.
void emptyLaterRepeats(std::vector<std::string>& groups);

// The non-empty groups, in order.
std::vector<std::string> nonEmptyGroups(const std::vector<std::string>& groups);

// The groups of the first list that the second list holds, in first-list
// order: each group of the first list counts once however often the second
// holds it, and each repetition in the first list counts again.
std::vector<std::string> listMatches(const std::vector<std::string>& first, const std::vector<std::string>& second);

// Each group of the second list, in order, empties the earliest entry of the
// first list that still holds it (if any).
void subtractList(std::vector<std::string>& first, const std::vector<std::string>& second);

// Which character codes the allowed-symbols table lets into a group: those
// whose entry holds their own character. Code 0 reads as the empty entry and
// so is always allowed.
using AllowedSet = std::array<bool, 256>;
AllowedSet allowedSet(const Tank<char>& table);

// The characters allowed by default among codes 32..255: the apostrophe,
// digits and letters.
bool allowedByDefault(int code);

// The set of a fresh table holding the default characters: those, and
// code 0; codes 1..31 separate groups.
AllowedSet defaultAllowedSet();

// The groups of a text in text order: maximal runs of allowed characters;
// every other character separates groups. Byte 0 is allowed but adds nothing
// to its group, so a run of byte 0 alone is an empty group.
std::vector<std::string> textGroups(std::string_view text, const AllowedSet& allowed);

// The group of a concordance line: at most its first 255 characters, up to
// the first comma.
std::string concordanceGroup(std::string_view line);
