#include "cli/record_json.h"

#include <gtest/gtest.h>

#include <set>

#include "cli/cli_error.h"
#include "core/cp1252.h"
#include "record_fields.h"

namespace tolka::cli {
namespace {

using test::EveryLeaf;

core::IntroPhaseDefaults Defaults() {
  core::IntroPhaseDefaults defaults;
  const char* names[9] = {"Deutsch",  "Kunst und Gestaltung", "Musik",      "Geschichte",
                          "Erdkunde", "Sozialkunde",          "Geographie", "Mathematik",
                          "Sport"};
  for (size_t i = 0; i < defaults.size(); ++i) defaults[i] = {names[i], i == 1 || i == 2};
  return defaults;
}

core::StudentTable InitialisedTable() {
  core::StudentTable table;
  table.Initialise(Defaults());
  return table;
}

// The problems of applying `json_text` onto an initialised table.
JsonErrors Problems(const std::string& json_text) {
  core::StudentTable table = InitialisedTable();
  return ApplyTableJson(ParseJsonText(json_text, "t.json"), table);
}

std::string Only(const JsonErrors& errors) {
  return errors.size() == 1 ? errors[0] : "<" + std::to_string(errors.size()) + " errors>";
}

TEST(RecordJson, EveryFieldLandsAtItsDocumentedOffsetAndComesBack) {
  const Json input = test::DistinctRecordJson();
  core::StudentRecord record = core::InitialisedRecord(Defaults());
  JsonErrors errors;
  ApplyRecordJson(input, record, "r", errors);
  ASSERT_TRUE(errors.empty()) << errors[0];

  const auto bytes = core::EncodeStudentRecord(record);
  for (const std::string& problem : test::CompareLeaves(input, bytes.data()))
    ADD_FAILURE() << problem;

  // Dumped again: the same object, keys in record order.
  EXPECT_EQ(RecordToJson(core::DecodeStudentRecord(bytes)).dump(), input.dump());
}

TEST(RecordJson, DumpNamesEveryLeafOnceInRecordOrder) {
  const Json dumped = RecordToJson(core::InitialisedRecord(Defaults()));
  std::vector<std::string> pointers;
  const Json flat = dumped.flatten();
  for (const auto& item : flat.items()) pointers.push_back(item.key());
  std::vector<std::string> expected;
  for (const auto& leaf : EveryLeaf()) expected.push_back(leaf.Pointer);
  EXPECT_EQ(pointers, expected);
  EXPECT_EQ(dumped.size(), 34u);
}

TEST(RecordJson, DumpOfAnInitialisedTable) {
  const Json table = TableToJson(InitialisedTable(), false);
  EXPECT_EQ(table.begin().key(), "protected");
  EXPECT_FALSE(table["protected"].get<bool>());
  ASSERT_EQ(table["slots"].size(), 36u);
  const Json& first = table["slots"][0];
  EXPECT_EQ(first["Surname"], "   - frei -");
  EXPECT_EQ(first["StudentId"], "1");
  EXPECT_EQ(first["BirthDate"], "00.00.0000");
  EXPECT_EQ(first["IntroPhase"][1]["Subject"], "Kunst und Gestaltung");
  EXPECT_EQ(first["IntroPhase"][1]["Mark2"], "#");
  EXPECT_EQ(first["IntroPhase"][3]["Mark2"], "-");
  EXPECT_EQ(first["CourseChoices"][1]["ExamSubject"], 1);
  EXPECT_EQ(first["CourseChoices"][2]["AdvancedCourse"], 0);
  EXPECT_EQ(first["CourseResults"][14]["SemesterPoints"][3], "--");
  EXPECT_EQ(first["InternalRemarks"], "   - - -");
  EXPECT_EQ(table["slots"][34]["StudentId"], "35");
  // The spill slot is not initialised.
  EXPECT_EQ(table["slots"][35]["Surname"], "");
  EXPECT_EQ(table["slots"][35]["CourseChoices"][0]["ExamSubject"], 0);
}

TEST(RecordJson, DumpConvertsWindows1252AndReadsDamagedFieldsWithinTheirBounds) {
  core::StudentRecord plain = core::InitialisedRecord(Defaults());
  auto bytes = core::EncodeStudentRecord(plain);
  // Surname "Grüß €" plus byte 0x81, which the code page leaves undefined.
  const std::string surname = "Gr\xFC\xDF \x80\x81";
  bytes[16] = static_cast<uint8_t>(surname.size());
  std::copy(surname.begin(), surname.end(), bytes.begin() + 17);
  // StudentId: a length byte above the capacity is read as the capacity.
  bytes[2] = 0xFF;
  std::fill(bytes.begin() + 3, bytes.begin() + 13, '7');
  // InternalRemarks: the text ends at the first zero byte.
  const std::string remark = "kurz\0Rest", full(remark.data(), 9);
  std::copy(full.begin(), full.end(), bytes.begin() + 2830);

  const Json dumped = RecordToJson(core::DecodeStudentRecord(bytes));
  EXPECT_EQ(dumped["Surname"], "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC\xC2\x81");
  EXPECT_EQ(dumped["StudentId"], "7777777777");
  EXPECT_EQ(dumped["InternalRemarks"], "kurz");

  // Loaded back, the texts are the same bytes again.
  core::StudentRecord again = core::InitialisedRecord(Defaults());
  JsonErrors errors;
  ApplyRecordJson(dumped, again, "r", errors);
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(again.Surname, surname);
}

TEST(RecordJson, ASubsetAppliesAndShorterArraysLeaveTheRest) {
  core::StudentTable table = InitialisedTable();
  const JsonErrors errors = ApplyTableJson(ParseJsonText(R"({"slots": [
      {"Surname": "Weber", "CourseResults": [{"SemesterPoints": ["12"], "Credited": [1]}],
       "ProjectCourses": ["Chor", "Band"]},
      {"slot": 35, "GivenNames": "Tom"},
      {"IntroPhase": [{}, {"Mark1": "2"}]}]})",
                                                         "t.json"),
                                           table);
  ASSERT_TRUE(errors.empty()) << errors[0];
  const auto& a = table.At(0);
  EXPECT_EQ(a.Surname, "Weber");
  EXPECT_EQ(a.StudentId, "1");
  EXPECT_EQ(a.CourseResults[0].SemesterPoints[0], "12");
  EXPECT_EQ(a.CourseResults[0].SemesterPoints[1], "--");
  EXPECT_EQ(a.CourseResults[0].Credited[0], 1);
  EXPECT_EQ(a.CourseResults[0].Credited[1], 0);
  EXPECT_EQ(a.CourseResults[0].SubjectCopy, "   - - -");
  EXPECT_EQ(a.ProjectCourses[1], "Band");
  EXPECT_EQ(a.ProjectCourses[2], "   - - -");
  EXPECT_EQ(table.At(35).GivenNames, "Tom");
  EXPECT_EQ(table.At(35).Surname, "");
  // The second object names slot 35, the third stands at position 2.
  EXPECT_EQ(table.At(1).GivenNames, "");
  EXPECT_EQ(table.At(2).IntroPhase[0].Subject, "Deutsch");
  EXPECT_EQ(table.At(2).IntroPhase[1].Mark1, "2");
  EXPECT_EQ(table.At(2).IntroPhase[1].Mark2, "#");
}

TEST(RecordJson, FieldBoundariesAreAccepted) {
  // 40 characters of which every one takes two bytes in UTF-8; 199 in the
  // 200-byte topic; the largest u16; slot 35.
  std::string surname;
  for (int i = 0; i < 40; ++i) surname += "\xC3\xA4";
  const std::string json = R"({"slots": [{"slot": 35, "Surname": ")" + surname +
                           R"(", "SpecialWorkTopic": ")" + std::string(199, 't') +
                           R"(", "StatusWord": 65535, "Salutation": -0}]})";
  core::StudentTable table = InitialisedTable();
  const JsonErrors errors = ApplyTableJson(ParseJsonText(json, "t.json"), table);
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(table.At(35).Surname, std::string(40, '\xE4'));
  EXPECT_EQ(table.At(35).SpecialWorkTopic.size(), 199u);
  EXPECT_EQ(table.At(35).StatusWord, 65535);
}

TEST(RecordJson, EveryKindOfProblemNamesTheField) {
  struct Case {
    std::string json;
    std::string message;
  };
  const std::vector<Case> cases = {
      // A text longer than its field.
      {R"({"slots": [{}, {}, {}, {"CourseResults": [{}, {}, {"SemesterPoints": ["12", "123"]}]}]})",
       "slots[3].CourseResults[2].SemesterPoints[1]: Text länger als 2 Zeichen"},
      {R"({"slots": [{"Surname": ")" + std::string(41, 'x') + R"("}]})",
       "slots[0].Surname: Text länger als 40 Zeichen"},
      {R"({"slots": [{"IntroPhase": [{"Mark1": "12"}]}]})",
       "slots[0].IntroPhase[0].Mark1: Text länger als 1 Zeichen"},
      {R"({"slots": [{"SpecialWorkTopic": ")" + std::string(200, 't') + R"("}]})",
       "slots[0].SpecialWorkTopic: Text länger als 199 Zeichen"},
      {R"({"slots": [{"CertificateRemarks": ")" + std::string(400, 'r') + R"("}]})",
       "slots[0].CertificateRemarks: Text länger als 399 Zeichen"},
      {R"({"slots": [{"ProjectCourses": ["", ")" + std::string(51, 'p') + R"("]}]})",
       "slots[0].ProjectCourses[1]: Text länger als 50 Zeichen"},
      {R"({"slots": [{"InternalRemarks": "a\u0000b"}]})",
       "slots[0].InternalRemarks: Text enthält ein Nullzeichen"},
      // An unknown key, at every level.
      {R"({"slots": [{"Surnam": "x"}]})", "slots[0].Surnam: unbekanntes Feld"},
      {R"({"slots": [{"CourseChoices": [{}, {"Fach": "x"}]}]})",
       "slots[0].CourseChoices[1].Fach: unbekanntes Feld"},
      {R"({"slot": []})", "slot: unbekanntes Feld"},
      // A character that Windows-1252 lacks (an L with stroke).
      {"{\"slots\": [{\"GivenNames\": \"\xC5\x81ukasz\"}]}",
       "slots[0].GivenNames: Zeichen außerhalb von Windows-1252"},
      // Numbers out of range.
      {R"({"slots": [{"Salutation": 65536}]})", "slots[0].Salutation: Zahl außerhalb von 0..65535"},
      {R"({"slots": [{"CourseResults": [{"Credited": [0, -1]}]}]})",
       "slots[0].CourseResults[0].Credited[1]: Zahl außerhalb von 0..65535"},
      {R"({"slots": [{"slot": 36}]})", "slots[0].slot: Zahl außerhalb von 0..35"},
      {R"({"slots": [{"slot": -1}]})", "slots[0].slot: Zahl außerhalb von 0..35"},
      // Wrong types.
      {R"({"slots": [{"Surname": 5}]})", "slots[0].Surname: Text erwartet, nicht Zahl"},
      {R"({"slots": [{"Graecum": "1"}]})", "slots[0].Graecum: ganze Zahl erwartet, nicht Text"},
      {R"({"slots": [{"Graecum": 1.0}]})",
       "slots[0].Graecum: ganze Zahl erwartet, nicht Kommazahl"},
      {R"({"slots": [{"Latinum": true}]})",
       "slots[0].Latinum: ganze Zahl erwartet, nicht Wahrheitswert"},
      {R"({"slots": [{"Religion": null}]})", "slots[0].Religion: Text erwartet, nicht null"},
      {R"({"slots": [{"IntroPhase": {}}]})", "slots[0].IntroPhase: Liste erwartet, nicht Objekt"},
      {R"({"slots": [{"IntroPhase": [5]}]})",
       "slots[0].IntroPhase[0]: Objekt erwartet, nicht Zahl"},
      {R"({"slots": [{"CourseResults": [{"SemesterPoints": "12"}]}]})",
       "slots[0].CourseResults[0].SemesterPoints: Liste erwartet, nicht Text"},
      {R"({"slots": [[]]})", "slots[0]: Objekt erwartet, nicht Liste"},
      {R"({"slots": {}})", "slots: Liste erwartet, nicht Objekt"},
      {R"({"protected": "ja"})", "protected: Wahrheitswert erwartet, nicht Text"},
      {R"([])", "JSON: Objekt erwartet, nicht Liste"},
      // Arrays longer than their field.
      {R"({"slots": [{"ProjectCourses": ["a", "b", "c", "d", "e"]}]})",
       "slots[0].ProjectCourses: Liste länger als 4 Einträge"},
      {R"({"slots": [{"CourseResults": [{"Credited": [0, 0, 0, 0, 0]}]}]})",
       "slots[0].CourseResults[0].Credited: Liste länger als 4 Einträge"},
      {R"({"slots": [{"ForeignLanguages": [{}, {}, {}, {}, {}]}]})",
       "slots[0].ForeignLanguages: Liste länger als 4 Einträge"},
      // A slot named twice.
      {R"({"slots": [{"slot": 2}, {"slot": 2}]})",
       "slots[1].slot: Platz 2 ist schon durch slots[0] belegt"},
      {R"({"slots": [{}, {"slot": 0}]})", "slots[1].slot: Platz 0 ist schon durch slots[0] belegt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(core::Cp1252ToUtf8(Only(Problems(c.json))), core::Cp1252ToUtf8(c.message)) << c.json;
  }

  std::string many = R"({"slots": [)";
  for (int i = 0; i < 37; ++i) many += i == 0 ? "{}" : ", {}";
  EXPECT_EQ(Only(Problems(many + "]}")), "slots: Liste länger als 36 Einträge");
}

TEST(RecordJson, AllProblemsAreReportedAndTheTableStaysAsItWas) {
  core::StudentTable table = InitialisedTable();
  const JsonErrors errors =
      ApplyTableJson(ParseJsonText(R"({"slots": [{"Surname": "Neu", "Tutor": 7},
                                  {"slot": 40, "Religion": 1}, {"Extra": 0}]})",
                                   "t.json"),
                     table);
  EXPECT_EQ(errors, (JsonErrors{"slots[0].Tutor: Text erwartet, nicht Zahl",
                                "slots[1].slot: Zahl außerhalb von 0..35",
                                "slots[1].Religion: Text erwartet, nicht Zahl",
                                "slots[2].Extra: unbekanntes Feld"}));
  EXPECT_EQ(table.At(0).Surname, "   - frei -");
}

TEST(RecordJson, ProtectedIsAcceptedAndIgnored) {
  core::StudentTable table = InitialisedTable();
  const auto before = core::EncodeStudentRecord(table.At(0));
  EXPECT_TRUE(
      ApplyTableJson(ParseJsonText(R"({"protected": true, "slots": []})", "t"), table).empty());
  EXPECT_EQ(core::EncodeStudentRecord(table.At(0)), before);
}

TEST(RecordJson, ParseProblemsNameTheFileLineAndColumn) {
  auto message = [](const std::string& text) {
    try {
      ParseJsonText(text, "daten.json");
    } catch (const UserError& e) {
      return std::string(e.what());
    }
    return std::string("<no error>");
  };
  EXPECT_EQ(message("{\n  \"slots\": [\n    {,}\n  ]\n}"),
            "daten.json: kein gültiges JSON (Zeile 3, Spalte 6)");
  EXPECT_EQ(message(""), "daten.json: kein gültiges JSON (Zeile 1, Spalte 1)");
  EXPECT_EQ(message("{\"slots\": [{\"Surname\": \"\xFF\"}]}"),
            "daten.json: ungültiges UTF-8 (Zeile 1, Spalte 25)");
  EXPECT_EQ(message(R"({"slots": [{"Surname": "a", "GivenNames": "b", "Surname": "c"}]})"),
            "daten.json: Schlüssel \"Surname\" kommt in einem Objekt doppelt vor");
  // The same key in two objects is no problem.
  EXPECT_EQ(message(R"({"slots": [{"Surname": "a"}, {"Surname": "b"}]})"), "<no error>");
}

// Found by fuzzing: a number beyond the range of a double escaped as the
// parser's own exception, which tolka-cli reported as an internal error.
TEST(RecordJson, ANumberOutOfRangeIsAParseProblem) {
  try {
    ParseJsonText(R"({"slots": [{"Salutation": 3e3333}]})", "daten.json");
    ADD_FAILURE() << "no error";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()),
              "daten.json: kein gültiges JSON (Zahl außerhalb des Zahlenbereichs: 3e3333)");
  }
}

}  // namespace
}  // namespace tolka::cli
