#include "exchange/person_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_file_image.h"
#include "settings/subject_catalogue.h"

namespace tolka::exchange {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

class PersonImport : public ::testing::Test {
 protected:
  PersonImport() {
    table_.Initialise(settings::IntroPhaseDefaultsOf(settings::BuiltInSubjectCatalogue()));
  }

  // Plans and, when accepted, applies; returns the plan.
  ImportPlan Import(const std::string& file, size_t current = 0,
                    const ImportConfig& config = BuiltInImportConfig()) {
    ImportPlan plan = PlanImport(Bytes(file), config, table_, current);
    ApplyImport(plan, table_);
    return plan;
  }

  // Imports what must be refused; checks that no byte of the table changed.
  std::string Refused(const std::string& file, size_t current = 0,
                      const ImportConfig& config = BuiltInImportConfig()) {
    core::DataFileBlock before = core::EmptyBlock();
    core::EncodeTable(table_, before);
    const ImportPlan plan = Import(file, current, config);
    core::DataFileBlock after = core::EmptyBlock();
    core::EncodeTable(table_, after);
    EXPECT_FALSE(plan.Ok());
    EXPECT_TRUE(before == after) << "a refused import changed the table";
    return plan.Refusal;
  }

  core::StudentTable table_;
};

ImportConfig Config(std::initializer_list<std::pair<uint16_t, std::string>> columns) {
  ImportConfig config;
  size_t column = 1;
  for (const auto& [code, join] : columns) {
    config.Entries[column].FieldCode = code;
    config.Entries[column].JoinText = join;
    ++column;
  }
  return config;
}

TEST_F(PersonImport, FourColumnsFillThePersonalDataAndKeepTheSchoolData) {
  table_.At(0).CourseResults[0].SemesterPoints[0] = "12";
  table_.At(0).Tutor = "Frau Kühn";
  const ImportPlan plan = Import("Müller;Jürgen;03.05.2007;Köln\r\n");
  ASSERT_TRUE(plan.Ok()) << plan.Refusal;
  const core::StudentRecord& r = table_.At(0);
  EXPECT_EQ(r.Surname, "Müller");
  EXPECT_EQ(r.GivenNames, "Jürgen");
  EXPECT_EQ(r.BirthDate, "03.05.2007");
  EXPECT_EQ(r.BirthPlace, "Köln");
  EXPECT_EQ(r.StudentId, "1");
  EXPECT_EQ(r.ClassName, "   - - -");  // column 8 was not in the line
  EXPECT_EQ(r.Residence, "");
  EXPECT_EQ(r.CourseResults[0].SemesterPoints[0], "12");
  EXPECT_EQ(r.Tutor, "Frau Kühn");
  EXPECT_EQ(plan.Slots, std::vector<size_t>{0});
  EXPECT_TRUE(plan.OverwrittenSlots.empty());  // the slot was free
}

TEST_F(PersonImport, AllEightBuiltInColumns) {
  ASSERT_TRUE(Import("Weiß;Anna;1.2.2007;Bonn;w;Köln;Domstr. 1;12a").Ok());
  const core::StudentRecord& r = table_.At(0);
  EXPECT_EQ(r.BirthDate, "01.02.2007");
  EXPECT_EQ(r.Salutation, 1);
  EXPECT_EQ(r.Residence, "Köln, Domstr. 1");  // code 7: an empty join text means ", "
  EXPECT_EQ(r.ClassName, "12a");              // "   - - -" counts as no text
}

TEST_F(PersonImport, ConsecutiveSlotsFromTheCurrentStudent) {
  table_.At(5).Surname = "Alt";
  const ImportPlan plan = Import("A;a\r\nB;b\r\nC;c\r\n", 4);
  ASSERT_TRUE(plan.Ok());
  EXPECT_EQ(table_.At(3).Surname, "   - frei -");
  EXPECT_EQ(table_.At(4).Surname, "A");
  EXPECT_EQ(table_.At(5).Surname, "B");
  EXPECT_EQ(table_.At(6).Surname, "C");
  EXPECT_EQ(table_.At(7).Surname, "   - frei -");
  EXPECT_EQ(plan.OverwrittenSlots, std::vector<size_t>{5});
}

TEST_F(PersonImport, EmptyLinesUseUpTheirSlot) {
  table_.At(1).Surname = "Bleibt";
  const ImportPlan plan = Import("A\r\n\r\n;;;;\r\n  ; \r\nE\r\n\r\n;;\r\n");
  ASSERT_TRUE(plan.Ok());
  EXPECT_EQ(table_.At(0).Surname, "A");
  EXPECT_EQ(table_.At(1).Surname, "Bleibt");
  EXPECT_EQ(table_.At(2).Surname, "   - frei -");
  EXPECT_EQ(table_.At(4).Surname, "E");
  EXPECT_EQ(plan.Persons, 2u);
  EXPECT_EQ(plan.SlotsUsed, 5u);  // trailing empty lines take no place
}

TEST_F(PersonImport, JoinTexts) {
  // "++" appends directly: importing twice doubles the given names.
  const ImportConfig plus = Config({{1, ""}, {2, "++"}});
  ASSERT_TRUE(Import("Müller;Jan", 0, plus).Ok());
  ASSERT_TRUE(Import("Müller;Jan", 0, plus).Ok());
  EXPECT_EQ(table_.At(0).GivenNames, "JanJan");
  // Another join text goes between the present text and the column ...
  const ImportConfig comma = Config({{1, ""}, {2, " - "}});
  ASSERT_TRUE(Import("Müller;Eva", 0, comma).Ok());
  EXPECT_EQ(table_.At(0).GivenNames, "JanJan - Eva");
  // ... but only when both are non-empty: no dangling separator.
  ASSERT_TRUE(Import("Müller;", 0, Config({{1, ""}, {6, ", "}})).Ok());
  ASSERT_TRUE(Import("Schmidt;;Köln", 1, Config({{1, ""}, {0, ""}, {6, ", "}})).Ok());
  EXPECT_EQ(table_.At(1).Residence, "Köln");
  ASSERT_TRUE(Import("Schmidt;;", 1, Config({{1, ""}, {2, ""}, {6, ", "}})).Ok());
  EXPECT_EQ(table_.At(1).Residence, "Köln");  // the line ended before column 3
  ASSERT_TRUE(Import("Schmidt;;;", 1, Config({{1, ""}, {2, ""}, {0, ""}, {6, ", "}})).Ok());
  EXPECT_EQ(table_.At(1).GivenNames, "");  // an empty column replaces
  // An empty column leaves an extended field as it was, placeholder included.
  ASSERT_TRUE(Import("Schmidt;", 1, Config({{1, ""}, {0, ""}})).Ok());
  ASSERT_TRUE(Import("Schmidt;x;;", 1, Config({{1, ""}, {0, ""}, {8, "++"}})).Ok());
  EXPECT_EQ(table_.At(1).ClassName, "   - - -");
  ASSERT_TRUE(Import("Schmidt;x;12b", 1, Config({{1, ""}, {0, ""}, {8, "++"}})).Ok());
  EXPECT_EQ(table_.At(1).ClassName, "12b");  // the placeholder is no text to extend
  // An empty join text replaces.
  ASSERT_TRUE(Import("Schmidt;;Bonn", 1, Config({{1, ""}, {0, ""}, {6, ""}})).Ok());
  EXPECT_EQ(table_.At(1).Residence, "Bonn");
}

TEST_F(PersonImport, EachEntryUsesUpAColumnAlsoWhenItSkips) {
  ASSERT_TRUE(Import("X;Y;Z", 0, Config({{0, ""}, {1, ""}, {0, ""}})).Ok());
  EXPECT_EQ(table_.At(0).Surname, "Y");
}

TEST_F(PersonImport, JoinedTextLongerThanTheFieldIsCutAndReported) {
  const ImportConfig config = Config({{1, ""}, {8, "++"}});
  const ImportPlan plan = Import("A;12345\r\nB;1\r\nC;1234567890\r\n", 0, config);
  ASSERT_TRUE(plan.Ok());
  EXPECT_EQ(table_.At(2).ClassName, "1234567890");  // exactly 10: not cut
  const ImportPlan again = Import("A;123456\r\nB;2\r\nC;1\r\n", 0, config);
  ASSERT_TRUE(again.Ok());
  EXPECT_EQ(table_.At(0).ClassName, "1234512345");
  EXPECT_EQ(table_.At(1).ClassName, "12");
  EXPECT_EQ(table_.At(2).ClassName, "1234567890");
  EXPECT_EQ(again.CutLines, (std::vector<size_t>{1, 3}));
}

TEST_F(PersonImport, SalutationGroups) {
  const ImportConfig config = Config({{1, ""}, {5, ""}});
  for (char c : std::string("0HMNhmn")) {
    table_.At(0).Salutation = 0;
    ASSERT_TRUE(Import(std::string("A;") + c + "x").Ok());
    EXPECT_EQ(table_.At(0).Salutation, 0) << "the built-in column 5 is not column 2";
    ASSERT_TRUE(Import(std::string("A;") + c + "x", 0, config).Ok());
    EXPECT_EQ(table_.At(0).Salutation, 2) << c;  // "Herr"
  }
  for (char c : std::string("1FJWfjw")) {
    ASSERT_TRUE(Import(std::string("A;") + c, 0, config).Ok());
    EXPECT_EQ(table_.At(0).Salutation, 1) << c;  // "Frau/Fräulein"
  }
  ASSERT_TRUE(Import("A;x", 0, config).Ok());
  EXPECT_EQ(table_.At(0).Salutation, 0);
  table_.At(0).Salutation = 2;
  ASSERT_TRUE(Import("A;;", 0, config).Ok());
  EXPECT_EQ(table_.At(0).Salutation, 0);
}

TEST(BirthDate, Normalised) {
  EXPECT_EQ(NormaliseBirthDate("03.05.2007"), "03.05.2007");
  EXPECT_EQ(NormaliseBirthDate("3.5.2007"), "03.05.2007");
  EXPECT_EQ(NormaliseBirthDate(" 3.05.2007 "), "03.05.2007");
  EXPECT_EQ(NormaliseBirthDate("2007-05-03"), "03.05.2007");
  EXPECT_EQ(NormaliseBirthDate("29.02.2008"), "29.02.2008");
  EXPECT_EQ(NormaliseBirthDate("29.02.2000"), "29.02.2000");
  EXPECT_EQ(NormaliseBirthDate(""), "");
  EXPECT_EQ(NormaliseBirthDate("   "), "");
  EXPECT_EQ(NormaliseBirthDate("00.00.0000"), "00.00.0000");
  for (const char* bad : {"31.02.2007", "29.02.1900", "29.02.2007", "32.01.2007", "01.13.2007",
                          "0.1.2007", "1.1.07", "2007-5-3", "03/05/2007", "3.5.2007.", "heute",
                          "03.05.20077", "Geburtsdatum", "31.04.2007"}) {
    EXPECT_FALSE(NormaliseBirthDate(bad)) << bad;
  }
}

TEST_F(PersonImport, RefusalsChangeNothingAndNameLineAndColumn) {
  table_.At(0).Surname = "Bleibt";
  table_.At(1).Surname = "Auch";
  // A bad date in line 2, column 3.
  std::string refusal = Refused("A;a;1.1.2007\r\nB;b;31.02.2007\r\n");
  EXPECT_EQ(refusal.substr(0, 18), "Zeile 2, Spalte 3:");
  EXPECT_NE(refusal.find("31.02.2007"), std::string::npos);
  // A column longer than its field: a 41-character surname.
  refusal = Refused("A\r\n" + std::string(41, 'x') + ";b\r\n");
  EXPECT_EQ(refusal.substr(0, 18), "Zeile 2, Spalte 1:");
  EXPECT_NE(refusal.find("41 Zeichen"), std::string::npos);
  EXPECT_NE(refusal.find("40"), std::string::npos);
  // A surname that would end up empty, blank or the free-slot text.
  EXPECT_EQ(Refused("A\r\n;Anna\r\n").substr(0, 8), "Zeile 2:");
  EXPECT_EQ(Refused("  ;Anna\r\n").substr(0, 8), "Zeile 1:");
  EXPECT_EQ(Refused("A;b\r\nB;c\r\nC;d\r\n", 1, Config({{0, ""}, {2, ""}})).substr(0, 8),
            "Zeile 2:");  // slot 2 is free and no column gives it a name
  // Quote and encoding rules.
  EXPECT_EQ(Refused("A;\"b;c\"\r\n").substr(0, 18), "Zeile 1, Spalte 2:");
  EXPECT_EQ(Refused(std::string("A\r\nB\r\nC\0", 8)).substr(0, 8), "Zeile 3:");
  // A configuration that feeds no field.
  EXPECT_NE(Refused("A\r\n", 0, Config({{0, ""}, {9, ""}})).find("IMPORT.CFG"), std::string::npos);
  // A file without persons.
  EXPECT_NE(Refused("\r\n;;;\r\n").find("keine"), std::string::npos);
  EXPECT_NE(Refused("").find("keine"), std::string::npos);
}

TEST_F(PersonImport, MorePersonsThanPlacesIsRefusedNamingBothNumbers) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "P" + std::to_string(i) + "\r\n";
  const std::string refusal = Refused(ten, 30);
  EXPECT_NE(refusal.find("10 Personen"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("nur 5 Pl"), std::string::npos) << refusal;
  EXPECT_EQ(table_.At(30).Surname, "   - frei -");
  // Five fit exactly into slots 30..34; an empty line inside counts.
  EXPECT_TRUE(Import("A\r\nB\r\nC\r\nD\r\nE\r\n", 30).Ok());
  EXPECT_EQ(table_.At(34).Surname, "E");
  EXPECT_NE(Refused("A\r\n\r\nC\r\nD\r\nE\r\nF\r\n", 30).find("in 6 Zeilen"), std::string::npos);
  EXPECT_NE(Refused("A\r\nB\r\n", 34).find("nur 1 Platz"), std::string::npos);
}

TEST_F(PersonImport, Utf8FileIsStoredAsWindows1252) {
  ASSERT_TRUE(Import("\xEF\xBB\xBFM\xC3\xBCller;J\xC3\xBCrgen\r\n").Ok());
  EXPECT_EQ(table_.At(0).Surname, "M\xFCller");
  EXPECT_EQ(table_.At(0).GivenNames, "J\xFCrgen");
}

TEST_F(PersonImport, FieldWidthsAndCaptions) {
  EXPECT_EQ(FieldWidth(kSurnameCode), 40u);
  EXPECT_EQ(FieldWidth(kGivenNamesCode), 40u);
  EXPECT_EQ(FieldWidth(kBirthPlaceCode), 70u);
  EXPECT_EQ(FieldWidth(kResidenceExtendingCode), 70u);
  EXPECT_EQ(FieldWidth(kClassNameCode), 10u);
  EXPECT_EQ(FieldCaption(kResidenceExtendingCode), "wohnhaft in (ergänzend)");
  // A 70-character residence column fits; 71 does not.
  const ImportConfig config = Config({{1, ""}, {6, ""}});
  EXPECT_TRUE(Import("A;" + std::string(70, 'r'), 0, config).Ok());
  Refused("A;" + std::string(71, 'r'), 0, config);
}

}  // namespace
}  // namespace tolka::exchange
