#include "core/record_list_operations.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/record_texts.h"

namespace tolka::core {
namespace {

IntroPhaseDefaults Defaults() {
  IntroPhaseDefaults d;
  const char* names[9] = {"Deutsch",    "Kunst und Gestaltung", "Musik",
                          "Geschichte", kNothingChosen,         "Sozialkunde",
                          "Geographie", "Mathematik",           "Sport"};
  for (size_t i = 0; i < 9; ++i) d[i] = {names[i], i == 1 || i == 2};
  return d;
}

// An initialised table (slots 0..34 free, "1".."35"); slot 35 holds a marked
// free record so its moves show.
StudentTable FreshTable() {
  StudentTable table;
  table.Initialise(Defaults());
  table.At(35) = InitialisedRecord(Defaults());
  table.At(35).StudentId = "spill";
  return table;
}

void Put(StudentTable& table, size_t slot, const std::string& surname,
         const std::string& given = "", const std::string& class_name = "") {
  auto& r = table.At(slot);
  r.Surname = surname;
  r.GivenNames = given;
  if (!class_name.empty()) r.ClassName = class_name;
}

// Surnames of slots [from, to).
std::vector<std::string> Surnames(const StudentTable& table, size_t from, size_t to) {
  std::vector<std::string> out;
  for (size_t k = from; k < to; ++k) out.push_back(table.At(k).Surname);
  return out;
}

std::vector<std::string> Ids(const StudentTable& table, size_t from, size_t to) {
  std::vector<std::string> out;
  for (size_t k = from; k < to; ++k) out.push_back(table.At(k).StudentId);
  return out;
}

bool SameBytes(const StudentTable& a, const StudentTable& b) {
  for (size_t k = 0; k < kSlotCount; ++k) {
    if (EncodeStudentRecord(a.At(k)) != EncodeStudentRecord(b.At(k))) return false;
  }
  return true;
}

using Names = std::vector<std::string>;

TEST(RecordClipboard, CopyTakesTheCurrentRecordAndChangesNothingElse) {
  StudentTable table = FreshTable();
  Put(table, 4, "Berger", "Anna");
  const StudentTable before = table;
  StudentRecord clipboard;
  CopyRecord(table, 4, clipboard);
  EXPECT_EQ(clipboard.Surname, "Berger");
  EXPECT_EQ(clipboard.StudentId, "5");
  EXPECT_EQ(EncodeStudentRecord(clipboard), EncodeStudentRecord(table.At(4)));
  EXPECT_TRUE(SameBytes(table, before));
}

TEST(RecordClipboard, CutMovesTheRecordsBelowUpWithTheirIds) {
  StudentTable table = FreshTable();
  Put(table, 0, "Adler");
  Put(table, 1, "Berger");
  Put(table, 2, "Conrad");
  StudentRecord clipboard;
  CutRecord(table, 1, clipboard, Defaults());
  EXPECT_EQ(clipboard.Surname, "Berger");
  EXPECT_EQ(clipboard.StudentId, "2");
  EXPECT_EQ(Surnames(table, 0, 2), (Names{"Adler", "Conrad"}));
  EXPECT_EQ(Ids(table, 0, 3), (Names{"1", "3", "4"}));
  EXPECT_EQ(table.At(33).StudentId, "35");
  EXPECT_EQ(table.At(34).StudentId, "spill");  // slot 35 moved up into the list
  // Slot 35 is a fresh record: free, no Kenn-Nummer, intro rows from the defaults.
  EXPECT_EQ(EncodeStudentRecord(table.At(35)), EncodeStudentRecord(InitialisedRecord(Defaults())));
  EXPECT_EQ(table.At(35).IntroPhase[1].Mark2, kNotTaught);
}

TEST(RecordClipboard, CutOfTheLastListedStudentMovesTheSpillSlotUp) {
  StudentTable table = FreshTable();
  Put(table, 34, "Zeller");
  table.At(35).Surname = "Yilmaz";
  StudentRecord clipboard;
  CutRecord(table, 34, clipboard, Defaults());
  EXPECT_EQ(clipboard.Surname, "Zeller");
  EXPECT_EQ(table.At(34).Surname, "Yilmaz");
  EXPECT_TRUE(IsFree(table.At(35)));
  EXPECT_TRUE(table.At(35).StudentId.empty());
}

TEST(RecordClipboard, PasteMovesTheRecordsDownAndKeepsTheClipboard) {
  StudentTable table = FreshTable();
  Put(table, 0, "Adler");
  Put(table, 1, "Conrad");
  StudentRecord clipboard = table.At(0);
  clipboard.Surname = "Berger";
  ASSERT_TRUE(PasteRecord(table, 1, clipboard));
  EXPECT_EQ(Surnames(table, 0, 3), (Names{"Adler", "Berger", "Conrad"}));
  EXPECT_EQ(Ids(table, 0, 4), (Names{"1", "1", "2", "3"}));
  EXPECT_EQ(table.At(35).StudentId, "35");  // slot 34 went into the spill slot
  EXPECT_EQ(clipboard.Surname, "Berger");

  // A second paste inserts a second, identical record.
  ASSERT_TRUE(PasteRecord(table, 1, clipboard));
  EXPECT_EQ(Surnames(table, 0, 4), (Names{"Adler", "Berger", "Berger", "Conrad"}));
  EXPECT_EQ(EncodeStudentRecord(table.At(1)), EncodeStudentRecord(table.At(2)));
  EXPECT_EQ(table.At(35).StudentId, "34");
}

TEST(RecordClipboard, PasteOnTheLastFreeLineUsesIt) {
  StudentTable table = FreshTable();
  for (size_t k = 0; k < 34; ++k) Put(table, k, "S" + std::to_string(k));
  StudentRecord clipboard = table.At(0);
  clipboard.Surname = "Neu";
  ASSERT_FALSE(ListIsFull(table));
  ASSERT_TRUE(PasteRecord(table, 34, clipboard));
  EXPECT_EQ(table.At(34).Surname, "Neu");
  EXPECT_TRUE(IsFree(table.At(35)));
  EXPECT_TRUE(ListIsFull(table));
}

TEST(RecordClipboard, PasteIntoAFullListIsRefusedAndNothingMoves) {
  StudentTable table = FreshTable();
  Put(table, 0, "Adler");
  Put(table, 34, "Zeller");  // only the last line matters
  const StudentTable before = table;
  StudentRecord clipboard = table.At(0);
  EXPECT_TRUE(ListIsFull(table));
  EXPECT_FALSE(PasteRecord(table, 0, clipboard));
  EXPECT_FALSE(PasteRecord(table, 34, clipboard));
  EXPECT_TRUE(SameBytes(table, before));
}

TEST(RecordClipboard, ACurrentIndexOutsideTheListIsAProgrammingError) {
  StudentTable table = FreshTable();
  StudentRecord clipboard;
  EXPECT_THROW(CopyRecord(table, 35, clipboard), std::out_of_range);
  EXPECT_THROW(CutRecord(table, 35, clipboard, Defaults()), std::out_of_range);
  EXPECT_THROW(PasteRecord(table, 35, clipboard), std::out_of_range);
  EXPECT_THROW(SortBlock(table, 35, SortKey::Surname), std::out_of_range);
}

TEST(SortKeys, CompareAsUnsignedBytesWithTheShorterPrefixFirst) {
  const std::string ae = "\xE4";  // ä in Windows-1252
  EXPECT_LT(CompareKeys("10", "9"), 0);
  EXPECT_LT(CompareKeys("Zander", "abel"), 0);  // upper case before lower case
  EXPECT_GT(CompareKeys(ae + "rger", "zorn"), 0);
  EXPECT_GT(CompareKeys("M\xFCller", "Mzyk"), 0);  // ü after z
  EXPECT_LT(CompareKeys("Meier", "Meiers"), 0);
  EXPECT_GT(CompareKeys("Meiers", "Meier"), 0);
  EXPECT_LT(CompareKeys("", "A"), 0);
  EXPECT_EQ(CompareKeys("Meier", "Meier"), 0);
}

TEST(SortBlock, SortsCBADToABCD) {
  StudentTable table = FreshTable();
  Put(table, 0, "C");
  Put(table, 1, "B");
  Put(table, 2, "A");
  Put(table, 3, "D");
  EXPECT_TRUE(SortBlock(table, 0, SortKey::Surname));
  EXPECT_EQ(Surnames(table, 0, 4), (Names{"A", "B", "C", "D"}));
  // Whole records move, Kenn-Nummer included.
  EXPECT_EQ(Ids(table, 0, 4), (Names{"3", "2", "1", "4"}));
  // Sorted already: nothing exchanged.
  EXPECT_FALSE(SortBlock(table, 0, SortKey::Surname));
}

TEST(SortBlock, StartsAtTheCurrentStudentAndStopsAtTheFirstFreeSlot) {
  StudentTable table = FreshTable();
  const char* names[] = {"Zorn", "Yilmaz", "Xaver", "Moser", "Keller", "Lang", "Adam"};
  for (size_t k = 0; k < 7; ++k) Put(table, k, names[k]);
  // slot 7 free
  Put(table, 8, "Wagner");
  Put(table, 9, "Bauer");
  EXPECT_EQ(BlockEnd(table, 3), 7u);
  EXPECT_TRUE(SortBlock(table, 3, SortKey::Surname));
  EXPECT_EQ(Surnames(table, 0, 3), (Names{"Zorn", "Yilmaz", "Xaver"}));
  EXPECT_EQ(Surnames(table, 3, 7), (Names{"Adam", "Keller", "Lang", "Moser"}));
  EXPECT_EQ(table.At(7).Surname, kFreeSlot);
  EXPECT_EQ(Surnames(table, 8, 10), (Names{"Wagner", "Bauer"}));
}

TEST(SortBlock, AFreeCurrentSlotOrABlockOfOneDoesNothing) {
  StudentTable table = FreshTable();
  Put(table, 1, "Zorn");
  Put(table, 2, "Adam");
  table.At(0).Surname = "";  // an empty surname is free too
  EXPECT_EQ(BlockEnd(table, 0), 0u);
  EXPECT_FALSE(SortBlock(table, 0, SortKey::Surname));
  EXPECT_EQ(Surnames(table, 1, 3), (Names{"Zorn", "Adam"}));
  EXPECT_FALSE(SortBlock(table, 2, SortKey::Surname));
}

TEST(SortBlock, EqualKeysKeepTheirOrder) {
  StudentTable table = FreshTable();
  Put(table, 0, "Meier", "Zoe");
  Put(table, 1, "Meier", "Anton");
  Put(table, 2, "Adam");
  Put(table, 3, "Meier", "Karl");
  EXPECT_TRUE(SortBlock(table, 0, SortKey::Surname));
  std::vector<std::string> given;
  for (size_t k = 1; k < 4; ++k) given.push_back(table.At(k).GivenNames);
  EXPECT_EQ(given, (Names{"Zoe", "Anton", "Karl"}));
}

TEST(SortBlock, IdsSortAsNumbersAndClassesAsNames) {
  StudentTable table = FreshTable();
  Put(table, 0, "A", "", "12a");
  Put(table, 1, "B", "", "12B");
  Put(table, 2, "C", "", "12c");
  Put(table, 3, "D", "", "12b");
  table.At(0).StudentId = "9";
  table.At(1).StudentId = "10";
  table.At(2).StudentId = " 2";
  table.At(3).StudentId = "X1";  // no number: after the numbers
  EXPECT_TRUE(SortBlock(table, 0, SortKey::StudentId));
  EXPECT_EQ(Ids(table, 0, 4), (Names{" 2", "9", "10", "X1"}));
  EXPECT_TRUE(SortBlock(table, 0, SortKey::ClassName));
  // C 12c, A 12a, B 12B, D 12b: case ignored, equal keys keep their order.
  EXPECT_EQ(Surnames(table, 0, 4), (Names{"A", "B", "D", "C"}));
  EXPECT_LT(CompareStudentIds("9", "10"), 0);
  EXPECT_EQ(CompareStudentIds("007", "7"), 0);
  EXPECT_GT(CompareStudentIds("A", "99"), 0);
}

// Names as a German office orders them: umlauts as their base letter, "ß"
// as "ss", upper and lower case alike.
TEST(SortBlock, NamesSortAsAGermanOfficeExpects) {
  StudentTable table = FreshTable();
  Put(table, 0, "Krüger");
  Put(table, 1, "Zander");
  Put(table, 2, "Köhler");
  Put(table, 3, "de Vries");
  Put(table, 4, "Strauß");
  Put(table, 5, "Strausberg");
  Put(table, 6, "Ärmel");
  EXPECT_TRUE(SortBlock(table, 0, SortKey::Surname));
  EXPECT_EQ(Surnames(table, 0, 7),
            (Names{"Ärmel", "de Vries", "Köhler", "Krüger", "Strausberg", "Strauß", "Zander"}));
  EXPECT_EQ(CollationKey("Ößé"), "osse");
  EXPECT_EQ(CompareNames("Müller", "MULLER"), 0);
}

TEST(SortBlock, TheBlockEndsAtSlot34AndLeavesTheSpillSlot) {
  StudentTable table = FreshTable();
  for (size_t k = 0; k < 35; ++k) Put(table, k, "N" + std::to_string(100 - k));
  table.At(35).Surname = "A-spill";
  EXPECT_EQ(BlockEnd(table, 30), 35u);
  EXPECT_TRUE(SortBlock(table, 30, SortKey::Surname));
  EXPECT_EQ(Surnames(table, 30, 36), (Names{"N66", "N67", "N68", "N69", "N70", "A-spill"}));
  EXPECT_EQ(table.At(29).Surname, "N71");
}

TEST(StudentSearch, WholeOrPartOfTheChosenFieldIgnoringCase) {
  StudentTable table = FreshTable();
  Put(table, 0, "Schmidt", "Anna");
  Put(table, 1, "Schmidtke", "Jan");
  Put(table, 2, "Kleinschmidt", "Anna Maria");
  SearchRequest whole{"Schmidtke", SearchField::Surname, MatchKind::Whole};
  EXPECT_EQ(FindStudent(table, 0, whole), 1u);
  whole.Text = "schmidtke";
  EXPECT_EQ(FindStudent(table, 0, whole), 1u);
  whole.Text = "Schmidtk";
  EXPECT_EQ(FindStudent(table, 0, whole), std::nullopt);

  SearchRequest part{"chmidt", SearchField::Surname, MatchKind::Part};
  EXPECT_EQ(FindStudent(table, 0, part), 0u);
  EXPECT_EQ(FindStudent(table, 1, part), 1u);
  EXPECT_EQ(FindStudent(table, 2, part), 2u);
  EXPECT_EQ(FindStudent(table, 3, part), std::nullopt);
  part.Text = "SCHMIDT";  // "Kleinschmidt" too, case ignored
  EXPECT_EQ(FindStudent(table, 2, part), 2u);
  EXPECT_EQ(FindStudent(table, 0, part, 0), std::nullopt);  // an empty range

  SearchRequest given{"Anna", SearchField::GivenNames, MatchKind::Whole};
  EXPECT_EQ(FindStudent(table, 1, given), std::nullopt);  // "Anna Maria" is not whole
  given.Kind = MatchKind::Part;
  EXPECT_EQ(FindStudent(table, 1, given), 2u);
}

TEST(StudentSearch, LooksAtSlot34ButNotAtTheSpillSlot) {
  StudentTable table = FreshTable();
  Put(table, 34, "Ende");
  table.At(35).Surname = "Spill";
  EXPECT_EQ(FindStudent(table, 20, {"Ende", SearchField::Surname, MatchKind::Whole}), 34u);
  EXPECT_EQ(FindStudent(table, 0, {"Spill", SearchField::Surname, MatchKind::Whole}), std::nullopt);
  EXPECT_EQ(FindStudent(table, 35, {"Ende", SearchField::Surname, MatchKind::Whole}), std::nullopt);
}

TEST(AppendSlot, TheFirstOfTheFreeSlotsAtTheEnd) {
  StudentTable table = FreshTable();
  EXPECT_EQ(AppendSlot(table), 0u);
  Put(table, 0, "A");
  Put(table, 1, "B");
  EXPECT_EQ(AppendSlot(table), 2u);
  Put(table, 5, "F");  // a hole at 2..4 is not filled
  EXPECT_EQ(AppendSlot(table), 6u);
  Put(table, 33, "Y");
  EXPECT_EQ(AppendSlot(table), 34u);
}

TEST(AppendSlot, FullWhenSlot34IsOccupiedEvenWithEarlierFreeSlots) {
  StudentTable table = FreshTable();
  Put(table, 34, "Z");
  EXPECT_EQ(AppendSlot(table), std::nullopt);
  // The spill slot does not count.
  StudentTable other = FreshTable();
  other.At(35).Surname = "Spill";
  EXPECT_EQ(AppendSlot(other), 0u);
}

}  // namespace
}  // namespace tolka::core
