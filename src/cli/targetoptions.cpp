// The target options of the steering commands.
#include "cli/targetoptions.hpp"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "cli/options.hpp"

namespace {

enum Code { TARGET = 1000, TARGETWORDS, TARGETLIST, TARGETBLOCK, WINDOW, MEASURES, STRIP, DROP };

void setTarget(TargetOptions& t, InputKind kind, const char* path) {
  if (t.given) throw std::invalid_argument("give one target only");
  t.given = true;
  t.kind = kind;
  t.path = path;
}

}  // namespace

void addTargetOptions(std::vector<option>& table) {
  table.insert(table.end(), {
                                {"target", required_argument, nullptr, TARGET},
                                {"target-words", required_argument, nullptr, TARGETWORDS},
                                {"target-list", required_argument, nullptr, TARGETLIST},
                                {"target-block", required_argument, nullptr, TARGETBLOCK},
                                {"window", required_argument, nullptr, WINDOW},
                                {"measures", required_argument, nullptr, MEASURES},
                                {"strip", required_argument, nullptr, STRIP},
                                {"drop", required_argument, nullptr, DROP},
                                {"utf8", no_argument, nullptr, 'u'},
                            });
}

bool takeTargetOption(int opt, const char* value, TargetOptions& t) {
  switch (opt) {
    case TARGET: setTarget(t, InputKind::Text, value); return true;
    case TARGETWORDS: setTarget(t, InputKind::Words, value); return true;
    case TARGETLIST: setTarget(t, InputKind::List, value); return true;
    case TARGETBLOCK: setTarget(t, InputKind::Block, value); return true;
    case WINDOW: t.window = countOption("window", value, 1); return true;
    case MEASURES:
      try {
        t.measures = measuresOfList(value);
      } catch (const std::invalid_argument& e) {
        throw std::invalid_argument(std::string(e.what()) + " in --measures");
      }
      return true;
    case STRIP: t.reading.strip = value; return true;
    case DROP: t.reading.drop = value; return true;
    case 'u': t.reading.characters = Characters::Utf8; return true;
    default: return false;
  }
}

std::string targetOptionsProblem(const TargetOptions& t) {
  if (!t.given) return "no target (--target, --target-words, --target-list or --target-block)";
  return readingOptionsProblem(t.reading);
}

SteeringTarget readSteeringTarget(const TargetOptions& t) {
  SteeringTarget target;
  target.bytes = inputBytes(t.path);
  target.tokens = tokensOfInput(t.kind, target.bytes, t.path, t.reading);
  const size_t tokens = target.tokens.size();
  const WindowPlan plan = planWindow(static_cast<size_t>(std::min<uint64_t>(t.window, SIZE_MAX)), {tokens});
  target.window = plan.window;
  if (plan.refused()) target.tooShort = t.path + ": " + tooShortText(tokens, true);
  return target;
}
