#include "settings/settings_passwords.h"

#include <gtest/gtest.h>

#include "settings/password_digest.h"

namespace tolka::settings {
namespace {

std::string Hex(const Digest256& d) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (uint8_t b : d) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

TEST(PasswordDigest, MatchesTheStandardVectors) {
  EXPECT_EQ(Hex(Sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Hex(Sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // Two blocks of padding.
  EXPECT_EQ(Hex(Sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(ConfigPasswordDialog, AcceptsOnlyTheExactPassword) {
  EXPECT_EQ(AcceptConfigPassword("Geheim", "Geheim"), "Geheim");
  EXPECT_EQ(AcceptConfigPassword("geheim", "Geheim"), "");
  EXPECT_EQ(AcceptConfigPassword("Geheim ", "Geheim"), "");
  EXPECT_EQ(AcceptConfigPassword("", "Geheim"), "");
  // An empty entry is accepted only when the password is empty: the caller
  // compares the (empty) entered password with it.
  EXPECT_EQ(AcceptConfigPassword("", ""), "");
}

TEST(PasswordChangeDialog, NeedsTwoEqualTextsOfFourCharacters) {
  EXPECT_FALSE(AcceptPasswordChange("abc", "abc"));
  EXPECT_EQ(AcceptPasswordChange("abcd", "abcd"), "abcd");
  EXPECT_FALSE(AcceptPasswordChange("abcd", "abcD"));
  EXPECT_FALSE(AcceptPasswordChange("", ""));
  EXPECT_EQ(AcceptPasswordChange("0123456789abcdefgh", "0123456789abcdefgh"), "0123456789abcde");
  EXPECT_TRUE(IsAcceptableNewPassword("abcd", "abcd"));
  EXPECT_FALSE(IsAcceptableNewPassword("abc", "abc"));
}

SchoolData School(const std::string& number, const std::string& key) {
  SchoolData s;
  s.SchoolName = "Gymnasium am See";
  s.SchoolNumber = number;
  s.SchoolKey = key;
  return s;
}

TEST(AreaPasswords, HaveTheirFormAndIgnoreNamesAndBlanks) {
  const SchoolData school = School("123456", "Kiefer-Allee 7");
  const std::string exam = ExamSettingsPassword(school);
  const std::string subject = SubjectSettingsPassword(school);
  ASSERT_EQ(exam.size(), kExamPasswordLength);
  EXPECT_LE(exam.size(), 25u);
  for (char c : exam) EXPECT_NE(std::string(kExamPasswordAlphabet).find(c), std::string::npos);
  ASSERT_EQ(subject.size(), kSubjectPasswordDigits);
  EXPECT_NE(subject[0], '0');
  for (char c : subject) EXPECT_TRUE(c >= '0' && c <= '9');
  // The names and blanks around the values play no part.
  SchoolData other = School(" 123456 ", "Kiefer-Allee 7 ");
  other.SchoolName = "anders";
  EXPECT_EQ(ExamSettingsPassword(other), exam);
  EXPECT_EQ(SubjectSettingsPassword(other), subject);
}

TEST(AreaPasswords, FollowTheDocumentedDerivation) {
  const SchoolData school = School("4711", "Linde");
  const Digest256 exam_digest = Sha256(std::string("Tolka-AbiDefinition\x1F") + "4711\x1FLinde");
  std::string exam;
  for (size_t i = 0; i < kExamPasswordLength; ++i) {
    exam += kExamPasswordAlphabet[exam_digest[i] % 31];
  }
  EXPECT_EQ(ExamSettingsPassword(school), exam);
  const Digest256 subject_digest =
      Sha256(std::string("Tolka-Faecherdefinition\x1F") + "4711\x1FLinde");
  uint64_t v = 0;
  for (size_t i = 0; i < 8; ++i) v = (v << 8) | subject_digest[i];
  EXPECT_EQ(SubjectSettingsPassword(school), std::to_string(10000000 + v % 90000000));
}

TEST(AreaPasswords, DependOnNumberAndKeyAndDifferPerArea) {
  const SchoolData a = School("123456", "Kiefer");
  EXPECT_NE(ExamSettingsPassword(a), ExamSettingsPassword(School("123457", "Kiefer")));
  EXPECT_NE(ExamSettingsPassword(a), ExamSettingsPassword(School("123456", "kiefer")));
  EXPECT_NE(SubjectSettingsPassword(a), SubjectSettingsPassword(School("123456", "Kiefer2")));
  EXPECT_NE(ExamSettingsPassword(a), SubjectSettingsPassword(a));
}

TEST(AreaPasswords, AcceptTheDerivedPasswordExactly) {
  const SchoolData school = School("123456", "Kiefer");
  const std::string exam = ExamSettingsPassword(school);
  const std::string subject = SubjectSettingsPassword(school);
  EXPECT_TRUE(AcceptExamSettingsPassword(exam, school));
  EXPECT_FALSE(AcceptExamSettingsPassword(exam + "x", school));
  EXPECT_FALSE(AcceptExamSettingsPassword(subject, school));
  EXPECT_TRUE(AcceptSubjectSettingsPassword(subject, school));
  EXPECT_FALSE(AcceptSubjectSettingsPassword(exam, school));
  EXPECT_FALSE(AcceptSubjectSettingsPassword(" " + subject, school));
}

TEST(AreaPasswords, EmptySchoolDataKeepTheAreasClosed) {
  for (const SchoolData& s : {SchoolData{}, School("", "Kiefer"), School("123456", ""),
                              School("  ", "Kiefer"), School("123456", " \t")}) {
    EXPECT_EQ(ExamSettingsPassword(s), "");
    EXPECT_EQ(SubjectSettingsPassword(s), "");
    EXPECT_FALSE(AcceptExamSettingsPassword("", s));
    EXPECT_FALSE(AcceptSubjectSettingsPassword("", s));
  }
}

}  // namespace
}  // namespace tolka::settings
