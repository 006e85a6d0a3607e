#include "record_fields.h"

#include <cstdio>
#include <cstring>
#include <map>

#include "core/cp1252.h"

namespace tolka::test {

namespace {

using cli::Json;

void Add(std::vector<Leaf>& leaves, std::string pointer, LeafKind kind, size_t offset,
         size_t width = 0) {
  leaves.push_back({std::move(pointer), kind, offset, width});
}

std::string At(const std::string& name, size_t index) {
  return "/" + name + "/" + std::to_string(index);
}

// The index-th text of exactly `width` characters (a set distinct per width).
std::string DistinctText(size_t width, size_t index) {
  static const std::string alphabet =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const size_t n = alphabet.size();
  if (width == 1) return std::string(1, alphabet[index % n]);
  if (width == 2) return {alphabet[(index / n) % n], alphabet[index % n]};
  std::string text = "ä" + std::to_string(index) + "-";
  text.resize(width, 'x');
  return text;
}

}  // namespace

std::vector<Leaf> EveryLeaf() {
  std::vector<Leaf> l;
  const auto N = LeafKind::Number;
  const auto S = LeafKind::ShortText;
  const auto C = LeafKind::CharText;
  Add(l, "/StatusWord", N, 0);
  Add(l, "/StudentId", S, 2, 10);
  Add(l, "/Salutation", N, 14);
  Add(l, "/Surname", S, 16, 40);
  Add(l, "/GivenNames", S, 57, 40);
  Add(l, "/BirthDate", S, 98, 10);
  Add(l, "/BirthPlace", S, 109, 70);
  Add(l, "/Residence", S, 180, 70);
  Add(l, "/ClassName", S, 251, 10);
  Add(l, "/Tutor", S, 262, 40);
  Add(l, "/Religion", S, 303, 40);
  for (size_t i = 0; i < 4; ++i) {
    const size_t base = 344 + 37 * i;
    Add(l, At("ForeignLanguages", i) + "/Subject", S, base, 30);
    Add(l, At("ForeignLanguages", i) + "/FromGrade", S, base + 31, 2);
    Add(l, At("ForeignLanguages", i) + "/ToGrade", S, base + 34, 2);
  }
  Add(l, "/Graecum", N, 492);
  Add(l, "/Latinum", N, 494);
  Add(l, "/Hebraicum", N, 496);
  for (size_t i = 0; i < 17; ++i) {
    const size_t base = 498 + 35 * i;
    Add(l, At("IntroPhase", i) + "/Subject", S, base, 30);
    Add(l, At("IntroPhase", i) + "/Mark1", S, base + 31, 1);
    Add(l, At("IntroPhase", i) + "/Mark2", S, base + 33, 1);
  }
  Add(l, "/RepeatsIntroPhase", N, 1094);
  Add(l, "/SkippedIntroPhase", N, 1096);
  Add(l, "/CompensationAllowable", N, 1098);
  Add(l, "/CompensationGranted", N, 1100);
  Add(l, "/PromotableToQualPhase", N, 1102);
  Add(l, "/PromotedByConference", N, 1104);
  for (size_t i = 0; i < 15; ++i) {
    const size_t base = 1106 + 36 * i;
    Add(l, At("CourseChoices", i) + "/Subject", S, base, 30);
    Add(l, At("CourseChoices", i) + "/ExamSubject", N, base + 32);
    Add(l, At("CourseChoices", i) + "/AdvancedCourse", N, base + 34);
  }
  for (size_t i = 0; i < 15; ++i) {
    const size_t base = 1646 + 60 * i;
    const std::string row = At("CourseResults", i);
    Add(l, row + "/SubjectCopy", S, base, 30);
    for (size_t s = 0; s < 4; ++s) {
      Add(l, row + "/SemesterPoints/" + std::to_string(s), S, base + 31 + 3 * s, 2);
    }
    Add(l, row + "/WrittenExamPoints", S, base + 43, 2);
    Add(l, row + "/OralExamPoints", S, base + 46, 2);
    for (size_t s = 0; s < 4; ++s) {
      Add(l, row + "/Credited/" + std::to_string(s), N, base + 50 + 2 * s);
    }
    Add(l, row + "/CompetenceFlag", N, base + 58);
  }
  Add(l, "/SpecialWorkTopic", C, 2546, 200);
  Add(l, "/SpecialWorkMentor", S, 2746, 70);
  Add(l, "/SpecialWorkCounts", N, 2818);
  Add(l, "/SpecialWorkDocPoints", S, 2820, 2);
  Add(l, "/SpecialWorkColloquiumPoints", S, 2823, 2);
  Add(l, "/SpecialWorkTotal", S, 2826, 2);
  Add(l, "/InternalRemarks", C, 2830, 1000);
  Add(l, "/CertificateRemarks", C, 3830, 400);
  for (size_t i = 0; i < 4; ++i) Add(l, At("ProjectCourses", i), S, 4230 + 51 * i, 50);
  Add(l, "/ProjectCoursesHoldSpecialWork", N, 4434);
  return l;
}

Json DistinctRecordJson() {
  Json record = Json::object();
  std::map<size_t, size_t> used_per_width;
  uint16_t number = 2;  // the initial values are 0 and 1
  for (const Leaf& leaf : EveryLeaf()) {
    const Json::json_pointer pointer(leaf.Pointer);
    switch (leaf.Kind) {
      case LeafKind::Number:
        record[pointer] = number++;
        break;
      case LeafKind::ShortText:
        record[pointer] =
            core::Cp1252ToUtf8(DistinctText(leaf.Width, used_per_width[leaf.Width]++));
        break;
      case LeafKind::CharText: {
        // A remark of several lines (CR LF) that fills its array but for the
        // terminating zero byte.
        std::string text = "Zeile eins: Übung\r\nZeile zwei " + std::to_string(leaf.Offset) + " ";
        text.resize(leaf.Width - 1, 'z');
        record[pointer] = core::Cp1252ToUtf8(text);
        break;
      }
    }
  }
  return record;
}

Json RealisticRecordJson() {
  const auto u = [](const char* cp1252) { return core::Cp1252ToUtf8(cp1252); };
  Json r = Json::object();
  r["StatusWord"] = 0;
  r["StudentId"] = "2024-017";
  r["Salutation"] = 1;
  r["Surname"] = u("Müller-Lüdenscheidt");
  r["GivenNames"] = u("Anna Sophie Zoë");
  r["BirthDate"] = "29.02.2008";
  r["BirthPlace"] = u("Saarbrücken");
  r["Residence"] = u("66111 Saarbrücken, Großherzog-Friedrich-Straße 7");
  r["ClassName"] = "MSS 12b";
  r["Tutor"] = u("Frau Weiß");
  r["Religion"] = "Evangelische Religion";
  r["ForeignLanguages"] = Json::array({
      {{"Subject", "Englisch"}, {"FromGrade", "05"}, {"ToGrade", "13"}},
      {{"Subject", u("Französisch")}, {"FromGrade", "06"}, {"ToGrade", "13"}},
      {{"Subject", "Latein"}, {"FromGrade", "08"}, {"ToGrade", "11"}},
      {{"Subject", u("   - - -")}, {"FromGrade", "--"}, {"ToGrade", "--"}},
  });
  r["Graecum"] = 0;
  r["Latinum"] = 1;
  r["Hebraicum"] = 0;
  const char* intro_subjects[17] = {"Deutsch",     "Kunst und Gestaltung",
                                    "Musik",       "Geschichte",
                                    "Erdkunde",    "Sozialkunde",
                                    "Geographie",  "Mathematik",
                                    "Sport",       "Englisch",
                                    "Französisch", "Physik",
                                    "Chemie",      "Biologie",
                                    "   - - -",    "   - - -",
                                    "   - - -"};
  Json intro = Json::array();
  for (size_t i = 0; i < 17; ++i) {
    const bool one_semester = i == 1 || i == 2 || i == 5 || i == 6;
    const bool empty_row = i >= 14;
    intro.push_back({{"Subject", u(intro_subjects[i])},
                     {"Mark1", empty_row ? "-" : std::to_string(1 + i % 4)},
                     {"Mark2", empty_row      ? "-"
                               : one_semester ? "#"
                                              : std::to_string(2 + i % 3)}});
  }
  r["IntroPhase"] = intro;
  r["RepeatsIntroPhase"] = 0;
  r["SkippedIntroPhase"] = 0;
  r["CompensationAllowable"] = 1;
  r["CompensationGranted"] = 1;
  r["PromotableToQualPhase"] = 1;
  r["PromotedByConference"] = 0;
  const char* courses[15] = {"Mathematik",  "Englisch",    "Deutsch", "Geschichte",
                             "Physik",      "Chemie",      "Sport",   "Evangelische Religion",
                             "Sozialkunde", "Französisch", "Musik",   "Darstellendes Spiel",
                             "   - - -",    "   - - -",    "   - - -"};
  Json choices = Json::array();
  Json results = Json::array();
  for (size_t i = 0; i < 15; ++i) {
    const bool taken = i < 12;
    choices.push_back({{"Subject", u(courses[i])},
                       {"ExamSubject", i < 4 ? 1 : 0},
                       {"AdvancedCourse", i < 2 ? 1 : 0}});
    Json points = Json::array();
    Json credited = Json::array();
    for (size_t s = 0; s < 4; ++s) {
      char text[3];
      std::snprintf(text, sizeof text, "%02zu", taken ? (5 + i + 2 * s) % 16 : 0);
      points.push_back(taken ? std::string(text) : std::string("--"));
      credited.push_back(taken && (i < 4 || s != 1) ? 1 : 0);
    }
    results.push_back({{"SubjectCopy", u(courses[i])},
                       {"SemesterPoints", points},
                       {"WrittenExamPoints", i < 3 ? "11" : "--"},
                       {"OralExamPoints", i == 3   ? "09"
                                          : i == 1 ? "13"
                                                   : "--"},
                       {"Credited", credited},
                       {"CompetenceFlag", i == 2 ? 1 : 0}});
  }
  r["CourseChoices"] = choices;
  r["CourseResults"] = results;
  r["SpecialWorkTopic"] = u("Die Saarschleife bei Mettlach: Entstehung und Nutzung");
  r["SpecialWorkMentor"] = u("Herr Dr. Schäfer");
  r["SpecialWorkCounts"] = 1;
  r["SpecialWorkDocPoints"] = "12";
  r["SpecialWorkColloquiumPoints"] = "14";
  r["SpecialWorkTotal"] = "13";
  r["InternalRemarks"] = u("Attest für Sport liegt vor.\r\nNachschreibtermin Chemie: 14.03.");
  r["CertificateRemarks"] = u("Sie hat an der Mathematik-Olympiade teilgenommen.");
  r["ProjectCourses"] = Json::array({u("Schülerzeitung"), "Robotik", "Theater", "   - - -"});
  r["ProjectCoursesHoldSpecialWork"] = 1;
  return r;
}

std::string ExpectedText(const Json& record, const Leaf& leaf) {
  return core::Utf8ToCp1252(record.at(Json::json_pointer(leaf.Pointer)).get<std::string>())
      .value_or("<not Windows-1252>");
}

uint16_t ExpectedNumber(const Json& record, const Leaf& leaf) {
  return record.at(Json::json_pointer(leaf.Pointer)).get<uint16_t>();
}

std::vector<std::string> CompareLeaves(const Json& record, const uint8_t* bytes) {
  std::vector<std::string> problems;
  for (const Leaf& leaf : EveryLeaf()) {
    const uint8_t* at = bytes + leaf.Offset;
    std::string found;
    std::string expected;
    switch (leaf.Kind) {
      case LeafKind::Number:
        found = std::to_string(at[0] | (at[1] << 8));
        expected = std::to_string(ExpectedNumber(record, leaf));
        break;
      case LeafKind::ShortText:
        found.assign(reinterpret_cast<const char*>(at + 1), at[0] <= leaf.Width ? at[0] : 0);
        if (at[0] > leaf.Width) found = "<length byte " + std::to_string(at[0]) + ">";
        expected = ExpectedText(record, leaf);
        break;
      case LeafKind::CharText:
        found.assign(reinterpret_cast<const char*>(at),
                     strnlen(reinterpret_cast<const char*>(at), leaf.Width));
        expected = ExpectedText(record, leaf);
        if (found.size() == leaf.Width) found += "<no terminating zero>";
        break;
    }
    if (found != expected) {
      problems.push_back(leaf.Pointer + " at " + std::to_string(leaf.Offset) + ": found \"" +
                         core::Cp1252ToUtf8(found) + "\", expected \"" +
                         core::Cp1252ToUtf8(expected) + "\"");
    }
  }
  return problems;
}

}  // namespace tolka::test
