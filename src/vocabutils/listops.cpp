#include "vocabutils/listops.hpp"

#include <unordered_map>
#include <unordered_set>

void emptyLaterRepeats(std::vector<std::string>& groups) {
  std::unordered_set<std::string_view> seen;
  seen.reserve(groups.size());
  for (std::string& group : groups) {
    if (group.empty()) continue;
    // The set keeps views of first occurrences, which are never emptied.
    if (!seen.insert(group).second) group.clear();
  }
}

std::vector<std::string> nonEmptyGroups(const std::vector<std::string>& groups) {
  std::vector<std::string> kept;
  for (const std::string& group : groups)
    if (!group.empty()) kept.push_back(group);
  return kept;
}

std::vector<std::string> listMatches(const std::vector<std::string>& first, const std::vector<std::string>& second) {
  std::unordered_set<std::string_view> held(second.begin(), second.end());
  std::vector<std::string> matches;
  for (const std::string& group : first)
    if (held.count(group) != 0) matches.push_back(group);
  return matches;
}

void subtractList(std::vector<std::string>& first, const std::vector<std::string>& second) {
  // The positions of each group in the first list, earliest first, and how
  // many of them have been used up.
  struct Occurrences {
    std::vector<size_t> positions;
    size_t used = 0;
  };
  std::unordered_map<std::string_view, Occurrences> where;
  where.reserve(first.size());
  for (size_t i = 0; i < first.size(); ++i)
    if (!first[i].empty()) where[first[i]].positions.push_back(i);
  std::vector<size_t> removed;
  for (const std::string& group : second) {
    auto it = where.find(group);
    if (it == where.end() || it->second.used == it->second.positions.size()) continue;
    removed.push_back(it->second.positions[it->second.used++]);
  }
  // Emptied only now: the map's keys are views of these texts.
  for (size_t i : removed) first[i].clear();
}

AllowedSet allowedSet(const Tank<char>& table) {
  AllowedSet allowed{};
  for (int c = 0; c <= 255; ++c) allowed[static_cast<size_t>(c)] = table(c) == static_cast<char>(c);
  return allowed;
}

bool allowedByDefault(int code) {
  return code == '\'' || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

AllowedSet defaultAllowedSet() {
  AllowedSet allowed{};
  allowed[0] = true;
  for (int c = 32; c <= 255; ++c) allowed[static_cast<size_t>(c)] = allowedByDefault(c);
  return allowed;
}

std::vector<std::string> textGroups(std::string_view text, const AllowedSet& allowed) {
  std::vector<std::string> groups;
  bool inGroup = false;
  for (char ch : text) {
    auto code = static_cast<unsigned char>(ch);
    if (!allowed[code]) {
      inGroup = false;
      continue;
    }
    if (!inGroup) groups.emplace_back();
    inGroup = true;
    if (code != 0) groups.back().push_back(ch);
  }
  return groups;
}

std::string concordanceGroup(std::string_view line) {
  std::string_view examined = line.substr(0, 255);
  return std::string(examined.substr(0, examined.find(',')));
}
