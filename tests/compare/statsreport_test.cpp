// The table, CSV and JSON of a comparison agree with each other, and the
// SVG picture is well-formed XML with both charts and a legend.
#include <cctype>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "compare/statscsv.hpp"
#include "shell/numberforms.hpp"
#include "compare/statsplot.hpp"
#include "compare/statsreport.hpp"
#include "shell/console.hpp"
#include "support.hpp"

namespace {

using Tokens = std::vector<std::string>;

Comparison comparisonOf(const std::vector<std::pair<std::string, Tokens>>& inputs) {
  Comparison c;
  c.measures = comparisonMeasureNames();
  for (const auto& [name, tokens] : inputs) c.inputs.push_back({name, measureTokens(tokens), {}});
  return c;
}

// As if compared on windows of 50: input i's z of measure m is
// i + m / 8 - 1 (the forms only show them).
Comparison compared(Comparison c) {
  c.window = 50;
  for (size_t i = 1; i < c.inputs.size(); ++i) {
    WindowedComparison& w = c.inputs[i].windowed;
    w.window = 50;
    w.windows = i;
    for (size_t m = 0; m < c.measures.size(); ++m)
      w.z.push_back({c.measures[m], static_cast<double>(i) + static_cast<double>(m) / 8 - 1});
    w.dist = distanceOfZ(w.z);
  }
  return c;
}

const Comparison THREE = compared(comparisonOf({{"target.txt", {"the", "cat", "sat", "on", "the", "mat", "the", "end"}},
                                                {"trial.txt", {"a", "ab", "abc", "ab", "a", "a"}},
                                                {"none.txt", {}}}));

// The table as label -> cells.
std::map<std::string, std::vector<std::string>> tableCells(const std::string& table) {
  std::map<std::string, std::vector<std::string>> rows;
  std::istringstream in(table);
  for (std::string line; std::getline(in, line);) {
    std::string label = line.substr(0, line.find(' '));
    std::istringstream words(line.substr(label.size()));
    for (std::string cell; words >> cell;) rows[label].push_back(cell);
  }
  return rows;
}

// A CSV without quoted fields as rows of fields.
std::vector<std::vector<std::string>> csvRows(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);) {
    rows.emplace_back();
    std::istringstream fields(line);
    for (std::string f; std::getline(fields, f, ',');) rows.back().push_back(f);
    if (!line.empty() && line.back() == ',') rows.back().push_back("");
  }
  return rows;
}

// The number after "key": in the JSON object of one input (its line); a
// z's key is looked up among the z.
std::string jsonNumber(const std::string& object, const std::string& key, bool z) {
  size_t at = object.find("\"" + key + "\": ", z ? object.find("\"z\": {") : 0);
  if (at == std::string::npos) return "(missing)";
  at += key.size() + 4;
  return object.substr(at, object.find_first_of(",}]", at) - at);
}

// A small well-formedness check of XML: one root, tags nested and closed,
// attribute values quoted, only the five entities and character references.
bool wellFormedXml(const std::string& xml, std::string& problem) {
  std::vector<std::string> open;
  size_t pos = 0, roots = 0;
  auto fail = [&](const std::string& why) {
    problem = why + " at byte " + std::to_string(pos);
    return false;
  };
  while (pos < xml.size()) {
    if (xml[pos] == '&') {
      size_t end = xml.find(';', pos);
      if (end == std::string::npos) return fail("unended reference");
      std::string name = xml.substr(pos + 1, end - pos - 1);
      bool known = name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos" ||
                   (name.size() > 1 && name[0] == '#');
      if (!known) return fail("unknown entity &" + name + ";");
      pos = end + 1;
      continue;
    }
    if (xml[pos] != '<') {
      if (open.empty() && !std::isspace(static_cast<unsigned char>(xml[pos]))) return fail("text outside the root");
      ++pos;
      continue;
    }
    if (xml.compare(pos, 2, "<?") == 0) {
      size_t end = xml.find("?>", pos);
      if (end == std::string::npos || pos != 0) return fail("misplaced declaration");
      pos = end + 2;
      continue;
    }
    size_t end = pos + 1;
    char quote = 0;
    while (end < xml.size() && (quote != 0 || xml[end] != '>')) {
      if (quote != 0 && xml[end] == '<') return fail("< inside an attribute");
      if (xml[end] == '"' || xml[end] == '\'') quote = quote == 0 ? xml[end] : (quote == xml[end] ? 0 : quote);
      ++end;
    }
    if (end >= xml.size()) return fail("unended tag");
    std::string tag = xml.substr(pos + 1, end - pos - 1);
    if (tag.empty()) return fail("empty tag");
    if (tag[0] == '/') {
      if (open.empty() || open.back() != tag.substr(1)) return fail("wrong closing tag </" + tag.substr(1) + ">");
      open.pop_back();
    } else {
      std::string name = tag.substr(0, tag.find_first_of(" \t\n/"));
      bool selfClosing = tag.back() == '/';
      // Every attribute is name="value".
      std::istringstream rest(tag.substr(name.size(), tag.size() - name.size() - (selfClosing ? 1 : 0)));
      for (std::string attribute; rest >> std::ws && std::getline(rest, attribute, '=');) {
        char q = static_cast<char>(rest.get());
        std::string value;
        if ((q != '"' && q != '\'') || !std::getline(rest, value, q)) return fail("unquoted attribute " + attribute);
      }
      if (open.empty() && ++roots > 1) return fail("a second root");
      if (!selfClosing) open.push_back(name);
    }
    pos = end + 1;
  }
  if (!open.empty()) return fail("<" + open.back() + "> not closed");
  return roots == 1 || fail("no root");
}

}  // namespace

TEST(ComparisonForms, TableCsvAndJsonCarryTheSameNumbers) {
  auto table = tableCells(comparisonTable(THREE));
  auto csv = csvRows(comparisonCsv(THREE));
  std::vector<std::string> json;
  std::istringstream lines(comparisonJson(THREE));
  for (std::string line; std::getline(lines, line);)
    if (line.find("\"file\"") != std::string::npos) json.push_back(line);
  ASSERT_EQ(csv.size(), 4u);
  ASSERT_EQ(json.size(), 3u);
  const std::vector<std::string>& header = csv[0];
  EXPECT_EQ(header.front(), "file");
  EXPECT_EQ(table[""], (std::vector<std::string>{"target.txt", "trial.txt", "none.txt"}));
  size_t checked = 0;
  for (size_t col = 1; col < header.size(); ++col) {
    const std::string& name = header[col];
    if (name == "top") continue;
    const bool lengthShare = name.rfind("len_", 0) == 0 && std::isdigit(static_cast<unsigned char>(name[4]));
    if (lengthShare && table.count(name) == 0) {  // lengths no input has: 0 in the CSV, no row in the table
      for (size_t i = 0; i < 3; ++i) EXPECT_EQ(csv[i + 1][col], "0") << name;
      continue;
    }
    ASSERT_EQ(table[name].size(), 3u) << name;
    for (size_t i = 0; i < 3; ++i) {
      const std::string& field = csv[i + 1][col];
      if (field.empty()) {  // the target's own z and distance
        EXPECT_EQ(i, 0u) << name;
        EXPECT_EQ(table[name][i], "-") << name;
        continue;
      }
      double v = std::strtod(field.c_str(), nullptr);
      std::string shown = name == "tokens" || name == "types" || name == "window" ? field : fixedSignificant(v);
      EXPECT_EQ(table[name][i], shown) << name << " of input " << i;
      if (lengthShare) continue;  // in an array in JSON
      bool z = name.rfind("z_", 0) == 0;
      EXPECT_EQ(jsonNumber(json[i], z ? name.substr(2) : name, z), field) << name << " of input " << i;
      ++checked;
    }
  }
  EXPECT_GE(checked, 3u * 19 + 2 * 16);
  // Every run has the same columns: len_1 .. len_31 and len_32plus.
  EXPECT_EQ(header[19], "len_1");
  EXPECT_EQ(header[50], "len_32plus");
  EXPECT_EQ(csv[1][19], "0");  // target.txt has no token of length 1
  EXPECT_EQ(csv[3][19], "0");  // none.txt has no token at all
  EXPECT_NE(json[1].find("\"len_dist\": [0.5, 0.3333333333333333, 0.16666666666666666, 0, 0,"), std::string::npos);
  EXPECT_NE(json[2].find("0], \"len_32plus\": 0, \"encoding\": \"latin-1\", \"top\": []"), std::string::npos);
}

TEST(ComparisonForms, TopTypesInTableAndCsv) {
  auto table = tableCells(comparisonTable(THREE));
  EXPECT_EQ(table["top_1"], (std::vector<std::string>{"the", "3", "a", "3"}));
  EXPECT_EQ(table["top_3"], (std::vector<std::string>{"sat", "1", "abc", "1"}));
  std::string csv = comparisonCsv(THREE);
  EXPECT_NE(csv.find(",the:3 cat:1 sat:1 on:1 mat:1 end:1,"), std::string::npos);
  EXPECT_NE(csv.find(",a:3 ab:2 abc:1,"), std::string::npos);
  // A long type shows by its first 23 bytes in the table, whole elsewhere.
  Comparison c = comparisonOf({{"long.txt", {std::string(30, 'x')}}});
  EXPECT_EQ(tableCells(comparisonTable(c))["top_1"], (std::vector<std::string>{std::string(23, 'x') + "\u2026", "1"}));
  EXPECT_NE(comparisonCsv(c).find("," + std::string(30, 'x') + ":1,"), std::string::npos);
}

TEST(ComparisonForms, TextIsQuotedEscapedAndShown) {
  Comparison c = comparisonOf({{"a,\"b\".txt", {"x,y", "\xe9\\"}}});
  std::string csv = comparisonCsv(c);
  EXPECT_EQ(csv.substr(csv.find('\n') + 1, 14), "\"a,\"\"b\"\".txt\",");
  EXPECT_NE(csv.find(",\"x,y:1 \xe9\\x5c:1\","), std::string::npos);  // tokens as their bytes
  std::string json = comparisonJson(c);
  const std::string glyph = con::utf8(con::cp437Glyph(0xe9));
  EXPECT_NE(json.find("\"file\": \"a,\\\"b\\\".txt\""), std::string::npos);
  EXPECT_NE(json.find("[\"\u00e9\\\\\", 1]"), std::string::npos);  // the byte as the Latin-1 character
  EXPECT_NE(comparisonTable(c).find(glyph + "\\ 1"), std::string::npos);
  // File names stay as given when they are UTF-8; other bytes show as glyphs.
  EXPECT_EQ(nameText("caf\xc3\xa9.txt"), "caf\xc3\xa9.txt");
  EXPECT_EQ(nameText("caf\xe9.txt"), "caf" + glyph + ".txt");
  EXPECT_EQ(nameText("\xc3"), con::utf8(con::cp437Glyph(0xc3)));
  EXPECT_EQ(csvField("plain"), "plain");
  EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
}

TEST(ComparisonPicture, WellFormedWithBothChartsAndALegend) {
  Comparison c = THREE;
  c.inputs[1].name = "trial <&> \"2\".txt";
  std::string svg = comparisonSvg(c.inputs);
  std::string problem;
  EXPECT_TRUE(wellFormedXml(svg, problem)) << problem;
  EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
  EXPECT_NE(svg.find(">Token lengths</text>"), std::string::npos);
  EXPECT_NE(svg.find(">Rank and frequency (log-log)</text>"), std::string::npos);
  EXPECT_NE(svg.find(">target.txt</text>"), std::string::npos);
  EXPECT_NE(svg.find(">trial &lt;&amp;&gt; &quot;2&quot;.txt</text>"), std::string::npos);
  EXPECT_NE(svg.find(">none.txt</text>"), std::string::npos);
  // A curve in each chart for each input that has tokens, in its own colour.
  EXPECT_EQ(occurrences(svg, "<polyline"), 4u);
  EXPECT_EQ(occurrences(svg, "stroke=\"#1f77b4\""), 3u);  // two curves and the legend
  EXPECT_EQ(occurrences(svg, "stroke=\"#d62728\""), 3u);
  EXPECT_EQ(occurrences(svg, "stroke=\"#2ca02c\""), 1u);  // the legend only
  // Tick labels: frequencies as powers of ten.
  EXPECT_NE(svg.find(">10</text>"), std::string::npos);
  EXPECT_TRUE(wellFormedXml(comparisonSvg({}), problem)) << problem;
  EXPECT_TRUE(wellFormedXml(comparisonSvg({{"\xe9.txt", measureTokens({"x"}), {}}}), problem)) << problem;
}

TEST(ComparisonPicture, ZBarsOfEveryMeasureOverTheBand) {
  std::string svg = comparisonSvg(THREE.inputs);
  std::string problem;
  EXPECT_TRUE(wellFormedXml(svg, problem)) << problem;
  EXPECT_NE(svg.find(">z of each measure"), std::string::npos);
  EXPECT_EQ(occurrences(svg, "fill=\"#e8e8e8\""), 1u);  // the band -2..2
  // A bar for each measure of each input after the target, in its colour.
  const size_t measures = THREE.measures.size();
  auto bars = [&](const std::string& colour) {
    const std::regex bar("<rect [^>]*fill=\"" + colour + "\"/>");
    return static_cast<size_t>(std::distance(std::sregex_iterator(svg.begin(), svg.end(), bar), std::sregex_iterator()));
  };
  EXPECT_EQ(bars("#d62728"), measures);
  EXPECT_EQ(bars("#2ca02c"), measures);
  EXPECT_EQ(bars("#1f77b4"), 0u);  // the target has none
  for (const std::string& m : THREE.measures) EXPECT_NE(svg.find(">" + m + "</text>"), std::string::npos) << m;
  // Not compared: no third chart.
  Comparison plain = comparisonOf({{"a.txt", {"x"}}, {"b.txt", {"y"}}});
  EXPECT_EQ(comparisonSvg(plain.inputs).find(">z of each measure"), std::string::npos);
}

TEST(ComparisonPicture, TheCheckerRefusesBrokenXml) {
  std::string problem;
  EXPECT_FALSE(wellFormedXml("<svg><g></svg>", problem));
  EXPECT_FALSE(wellFormedXml("<svg><text>a & b</text></svg>", problem));
  EXPECT_FALSE(wellFormedXml("<svg width=10/>", problem));
  EXPECT_FALSE(wellFormedXml("<svg/><svg/>", problem));
  EXPECT_TRUE(wellFormedXml("<svg a=\"1\"><g b='2'/>x &amp; y</svg>", problem)) << problem;
}

namespace {

// The number in attribute `name` of the element at `at` and after.
double attributeAt(const std::string& svg, size_t at, const std::string& name) {
  size_t p = svg.find(" " + name + "=\"", at);
  return p == std::string::npos ? -1 : std::stod(svg.substr(p + name.size() + 3));
}

// Every element that begins with this text, by position.
std::vector<size_t> elements(const std::string& svg, const std::string& start) {
  std::vector<size_t> at;
  for (size_t p = svg.find(start); p != std::string::npos; p = svg.find(start, p + 1)) at.push_back(p);
  return at;
}

// The element's text up to its end.
std::string elementText(const std::string& svg, size_t at) { return svg.substr(at, svg.find('>', at) - at); }

}  // namespace

TEST(ComparisonPicture, TailsStandAboveTheFrameAndEqualInputsStayVisible) {
  // Two equal inputs with types seen once, and a third one.
  const Yardsticks y = measureTokens({"a", "b", "a", "c", "a", "d", "b"});
  const std::string svg = comparisonSvg({{"one.txt", y, {}}, {"same.txt", y, {}}, {"other.txt", measureTokens({"x", "y"}), {}}});
  std::string problem;
  EXPECT_TRUE(wellFormedXml(svg, problem)) << problem;
  const std::vector<size_t> frames = elements(svg, "<rect class=\"frame\"");
  ASSERT_EQ(frames.size(), 2u);
  const double rankTop = attributeAt(svg, frames[1], "y");
  const double rankBottom = rankTop + attributeAt(svg, frames[1], "height");
  // Each curve of the rank chart ends in a marker at frequency 1, clear of
  // the frame's bottom edge.
  const std::vector<size_t> tails = elements(svg, "<circle class=\"tail\"");
  ASSERT_EQ(tails.size(), 3u);
  for (size_t t : tails) {
    EXPECT_LT(attributeAt(svg, t, "cy"), rankBottom - 10) << elementText(svg, t);
    EXPECT_GT(attributeAt(svg, t, "cy"), rankTop);
  }
  EXPECT_EQ(attributeAt(svg, tails[0], "cy"), attributeAt(svg, tails[1], "cy"));
  EXPECT_GT(attributeAt(svg, tails[0], "r"), attributeAt(svg, tails[1], "r")) << "the later marker leaves a ring";
  // The first input's curves are solid, the second's and third's dashed,
  // each its own way, in the legend too.
  for (const char* kind : {"ranks", "lengths"}) {
    const std::vector<size_t> curves = elements(svg, std::string("<polyline class=\"") + kind + "\"");
    ASSERT_EQ(curves.size(), 3u) << kind;
    EXPECT_EQ(elementText(svg, curves[0]).find("stroke-dasharray"), std::string::npos);
    EXPECT_NE(elementText(svg, curves[1]).find("stroke-dasharray=\"9,5\""), std::string::npos);
    EXPECT_NE(elementText(svg, curves[2]).find("stroke-dasharray=\"3,4\""), std::string::npos);
    EXPECT_GT(attributeAt(svg, curves[0], "stroke-width"), attributeAt(svg, curves[1], "stroke-width"))
        << "a later curve over an equal one leaves its edges showing";
  }
  EXPECT_EQ(occurrences(svg, "stroke-dasharray=\"9,5\""), 3u);  // two curves and the legend
  // The frequency axis still names 1 and 10 at its ticks.
  EXPECT_NE(svg.find(">1</text>"), std::string::npos);
  EXPECT_NE(svg.find(">10</text>"), std::string::npos);
}

TEST(ComparisonPicture, TitleAndSizeAsAsked) {
  const std::vector<MeasuredInput> inputs{{"a.txt", measureTokens({"a", "b"}), {}}};
  const std::string plain = comparisonSvg(inputs);
  EXPECT_EQ(plain.find("class=\"title\""), std::string::npos);
  EXPECT_NE(plain.find("width=\"1000.0\" height=\"502.0\" viewBox=\"0 0 1000.0 502.0\""), std::string::npos);
  const std::string svg = comparisonSvg(inputs, PlotLook{"Harbour & <blocks>", 640, 300});
  std::string problem;
  EXPECT_TRUE(wellFormedXml(svg, problem)) << problem;
  EXPECT_NE(svg.find(">Harbour &amp; &lt;blocks&gt;</text>"), std::string::npos);
  // Shown at 640 x 300, drawn as before with room for the title.
  EXPECT_NE(svg.find("width=\"640\" height=\"300\" viewBox=\"0 0 1000.0 538.0\""), std::string::npos);
  const std::vector<size_t> frames = elements(svg, "<rect class=\"frame\"");
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_GT(attributeAt(svg, frames[0], "y"), 36.0) << "the charts stand below the title";
}

namespace {

// The text of the JSON string that begins at `at` (its opening quote), as
// UTF-8, with its escapes resolved; `at` is left after the closing quote.
std::string jsonStringAt(const std::string& json, size_t& at) {
  std::string out;
  auto append = [&out](uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  };
  for (++at; json.at(at) != '"'; ++at) {
    if (json[at] != '\\') {
      out += json[at];
      continue;
    }
    const char e = json.at(++at);
    if (e == 'u') {
      append(static_cast<uint32_t>(std::stoul(json.substr(at + 1, 4), nullptr, 16)));
      at += 4;
    } else {
      out += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;  // \" \\ \/ and the rest
    }
  }
  ++at;
  return out;
}

// The code points of UTF-8 text (of at most three bytes each); 0xFFFFFFFF
// for a byte that is not valid there.
std::vector<uint32_t> codePoints(const std::string& utf8) {
  std::vector<uint32_t> points;
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : 0;
    if (n == 0 || i + n > utf8.size()) return {0xFFFFFFFF};
    uint32_t cp = n == 1 ? b : n == 2 ? (b & 0x1F) : (b & 0x0F);
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) return {0xFFFFFFFF};
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    points.push_back(cp);
    i += n;
  }
  return points;
}

// The tokens of the "top" array of the first JSON object.
std::vector<std::string> topTokensOfJson(const std::string& json) {
  std::vector<std::string> tokens;
  size_t at = json.find("\"top\": [");
  const size_t end = json.find("]]", at);
  for (at = json.find("[\"", at); at < end; at = json.find("[\"", at)) {
    ++at;
    tokens.push_back(jsonStringAt(json, at));
  }
  return tokens;
}

}  // namespace

TEST(ComparisonForms, JsonTokensSurviveARoundTrip) {
  const Tokens tokens{"caf\xe9", "\xff\x80", "a\"b\\c", "tab\there", "\xc3\xa4", "x"};
  // Bytes: every byte is the Latin-1 character of its number.
  Comparison bytes = comparisonOf({{"in.txt", tokens}});
  const std::string json = comparisonJson(bytes);
  EXPECT_NE(json.find("\"encoding\": \"latin-1\""), std::string::npos);
  EXPECT_NE(codePoints(json).front(), 0xFFFFFFFFu) << "not UTF-8";
  std::vector<std::string> back;
  for (const std::string& text : topTokensOfJson(json)) {
    std::string original;
    for (uint32_t cp : codePoints(text)) {
      EXPECT_LE(cp, 255u);
      original += static_cast<char>(cp);
    }
    back.push_back(original);
  }
  EXPECT_EQ(back, tokens);  // all seen once: in order of first appearance
  // UTF-8: the characters themselves.
  const Tokens words{"F\xc3\xbcr", "\xe2\x80\x99s", "\xd0\x96"};
  Comparison utf8;
  utf8.measures = comparisonMeasureNames();
  utf8.characters = Characters::Utf8;
  utf8.inputs.push_back({"de.txt", measureSequence(tokenSequence(words, Characters::Utf8)), {}});
  const std::string utf8Json = comparisonJson(utf8);
  EXPECT_NE(utf8Json.find("\"encoding\": \"utf-8\""), std::string::npos);
  EXPECT_EQ(topTokensOfJson(utf8Json), words);
}

TEST(ComparisonForms, TopEntriesOfTheCsvCanBeTakenApart) {
  EXPECT_EQ(topEntry("a b:c\\d", 3), "a\\x20b\\x3ac\\x5cd:3");
  EXPECT_EQ(topEntry("\x01\x7f\xe9", 12), "\\x01\\x7f\xe9:12");  // bytes above 127 as they are
  // Recovering every type of a top field.
  Comparison c = comparisonOf({{"in.txt", {"x y", "x y", "a:1", "\\x41", "plain"}}});
  std::string csv = comparisonCsv(c);
  std::string field = csvRows(csv)[1][51];
  ASSERT_EQ(csvRows(csv)[0][51], "top");
  std::vector<std::pair<std::string, std::string>> entries;
  std::istringstream in(field);
  for (std::string entry; in >> entry;) {
    const size_t colon = entry.rfind(':');
    std::string type;
    for (size_t i = 0; i < colon; ++i) {
      if (entry.compare(i, 2, "\\x") == 0) {
        type += static_cast<char>(std::stoi(entry.substr(i + 2, 2), nullptr, 16));
        i += 3;
      } else {
        type += entry[i];
      }
    }
    entries.emplace_back(type, entry.substr(colon + 1));
  }
  EXPECT_EQ(entries, (std::vector<std::pair<std::string, std::string>>{
                         {"x y", "2"}, {"a:1", "1"}, {"\\x41", "1"}, {"plain", "1"}}));
}
