// The built tolka-cli run as a process: what it writes, prints and returns.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "cli/record_json.h"
#include "cli_runner.h"
#include "core/data_cipher.h"
#include "core/data_file_image.h"
#include "core/lock_file.h"
#include "record_fields.h"
#include "settings/general_settings.h"
#include "settings/school_data.h"
#include "settings/settings_passwords.h"
#include "settings/subject_catalogue.h"
#include "support/temp_dir.h"

namespace tolka::test {
namespace {

namespace fs = std::filesystem;
using cli::Json;

constexpr size_t kRecord = 4436;
constexpr size_t kFileSize = 159712;

class CliEndToEnd : public ::testing::Test {
 protected:
  CliEndToEnd() {
    fs::create_directory(program_);
    fs::create_directory(work_);
  }

  // tolka-cli --program-dir <program> args...
  CliRun Run(std::vector<std::string> args, CliRunOptions options = {}) {
    args.insert(args.begin(), {"--program-dir", program_.string()});
    return RunCli(args, options);
  }

  fs::path WriteJson(const std::string& name, const Json& document) {
    const fs::path path = work_ / name;
    std::ofstream(path, std::ios::binary) << document.dump(1);
    return path;
  }
  fs::path WriteText(const std::string& name, const std::string& text) {
    const fs::path path = work_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // dump, expected to succeed, parsed.
  Json Dump(const fs::path& file, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"dump", file.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = Run(args);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    return run.ExitCode == 0 ? Json::parse(run.Out) : Json();
  }

  // load, expected to succeed.
  void Load(const fs::path& json, const fs::path& target, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"load", json.string(), target.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = Run(args);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
  }

  std::vector<std::string> WorkFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(work_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir_;
  fs::path program_ = dir_ / "prog";
  fs::path work_ = dir_ / "work";
};

Json WithSlot(Json record, int slot) {
  Json object = Json::object();
  object["slot"] = slot;
  for (auto& item : record.items()) object[item.key()] = item.value();
  return object;
}

// The block that New and Save write for a table initialised from the
// built-in subject catalogue, made with the core alone.
core::DataFileBlock InitialisedBlock(const settings::SubjectCatalogue& catalogue) {
  core::StudentTable table;
  table.Initialise(settings::IntroPhaseDefaultsOf(catalogue));
  core::DataFileBlock block = core::EmptyBlock();
  core::EncodeTable(table, block);
  return block;
}

TEST_F(CliEndToEnd, HelpAndCommandLineErrors) {
  const CliRun help = RunCli({"--help"});
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_NE(help.Out.find("Aufruf: tolka-cli [--program-dir VERZ] BEFEHL"), std::string::npos);
  EXPECT_NE(help.Out.find(Utf8("zeigt die Passwörter")), std::string::npos);
  EXPECT_EQ(help.Err, "");

  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  for (const Case& c : std::vector<Case>{
           {{}, "tolka-cli: Kein Befehl angegeben"},
           {{"frob"}, "tolka-cli: Unbekannter Befehl: frob"},
           {{"dump", "a.TLK", "--frob"}, "tolka-cli: Unbekannte Option: --frob"},
           {{"load", "a.json", "a.TLK", "--variant", "alt"},
            "tolka-cli: Die Option --variant gibt es beim Befehl load nicht."},
           {{"new"}, "tolka-cli: Aufruf: tolka-cli new DATEI.TLK"},
       }) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.ExitCode, 1) << c.message;
    EXPECT_EQ(run.Err.rfind(Utf8(c.message), 0), 0u) << run.Err;
    EXPECT_EQ(run.Out, "");
  }
}

TEST_F(CliEndToEnd, NewWritesTheTableThatNewAndSaveWrite) {
  const fs::path file = work_ / "JG2024.TLK";
  const CliRun run = Run({"new", file.string()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(ReadAll(file), InitialisedBlock(settings::BuiltInSubjectCatalogue()));

  const Json table = Dump(file);
  EXPECT_FALSE(table["protected"].get<bool>());
  ASSERT_EQ(table["slots"].size(), 36u);
  for (size_t s = 0; s < 35; ++s) {
    EXPECT_EQ(table["slots"][s]["Surname"], "   - frei -");
    EXPECT_EQ(table["slots"][s]["StudentId"], std::to_string(s + 1));
  }
  EXPECT_EQ(table["slots"][35]["Surname"], "");
  EXPECT_EQ(WorkFiles(), std::vector<std::string>{"JG2024.TLK"});  // no .BAK from dump
}

TEST_F(CliEndToEnd, ARealisticRecordRoundTripsThroughLoadAndDump) {
  const Json student = RealisticRecordJson();
  Json document = Json::object();
  document["slots"] = Json::array({WithSlot(student, 3), WithSlot(student, 34)});
  const fs::path file = work_ / "JG.TLK";
  Load(WriteJson("in.json", document), file);

  const Json table = Dump(file);
  EXPECT_EQ(table["slots"][3].dump(), student.dump());
  EXPECT_EQ(table["slots"][34].dump(), student.dump());
  EXPECT_EQ(table["slots"][4]["Surname"], "   - frei -");
  EXPECT_EQ(table["slots"][4]["StudentId"], "5");

  // The whole dump loads back into the same bytes.
  const fs::path again = work_ / "again.TLK";
  Load(WriteJson("dump.json", table), again);
  EXPECT_EQ(ReadAll(again), ReadAll(file));
}

TEST_F(CliEndToEnd, AFileMadeByLoadHasTheDocumentedLayout) {
  const Json record = DistinctRecordJson();
  Json document = Json::object();
  document["slots"] = Json::array({WithSlot(record, 0), WithSlot(record, 7), WithSlot(record, 35)});
  const fs::path file = work_ / "offsets.TLK";
  Load(WriteJson("in.json", document), file);

  const std::vector<uint8_t> bytes = ReadAll(file);
  ASSERT_EQ(bytes.size(), kFileSize);
  for (size_t slot : {0, 7, 35}) {
    for (const std::string& problem : CompareLeaves(record, bytes.data() + slot * kRecord)) {
      ADD_FAILURE() << "slot " << slot << ": " << problem;
    }
  }
  // Slot s starts at s * 4436: the free slots' Surname length byte at +16.
  for (size_t slot : {1, 6, 8, 34}) {
    EXPECT_EQ(bytes[slot * kRecord + 16], 11) << slot;
    EXPECT_EQ(std::string(bytes.begin() + slot * kRecord + 17, bytes.begin() + slot * kRecord + 28),
              "   - frei -");
  }
  EXPECT_EQ(bytes[8 * kRecord + 2], 1);  // StudentId "9"
  EXPECT_EQ(bytes[8 * kRecord + 3], '9');
  EXPECT_EQ(bytes[159696], 0);  // no password
}

TEST_F(CliEndToEnd, APasswordProtectsTheFileAndIsNeededToDumpIt) {
  const Json student = RealisticRecordJson();
  Json document = Json::object();
  document["slots"] = Json::array({student});
  const fs::path json = WriteJson("in.json", document);
  const fs::path plain = work_ / "plain.TLK";
  const fs::path secret = work_ / "secret.TLK";
  Load(json, plain);
  Load(json, secret, {"--password", "geheim"});

  const std::vector<uint8_t> plain_bytes = ReadAll(plain);
  std::vector<uint8_t> secret_bytes = ReadAll(secret);
  ASSERT_EQ(secret_bytes.size(), kFileSize);
  // The password field holds the scrambled password; the table is enciphered.
  EXPECT_EQ(core::GetPasswordField(secret_bytes), core::ScramblePassword("geheim"));
  EXPECT_EQ(secret_bytes[159696], 6);
  EXPECT_FALSE(std::equal(plain_bytes.begin(), plain_bytes.begin() + 159696, secret_bytes.begin()));
  // ... exactly as Save writes it ("neu").
  core::ApplyCipher(secret_bytes, core::ScramblePassword("geheim"), core::CipherVariant::Neu);
  EXPECT_TRUE(std::equal(plain_bytes.begin(), plain_bytes.begin() + 159696, secret_bytes.begin()));

  Json expected = Dump(plain);
  expected["protected"] = true;
  EXPECT_EQ(Dump(secret, {"--password", "geheim"}).dump(), expected.dump());

  // The tool's own message: the program's advice about saving enciphered
  // data means nothing here.
  const std::string wrong = Utf8(
      "tolka-cli: Das angegebene Passwort ist falsch: die Daten können nicht entschlüsselt "
      "werden.");
  for (const std::vector<std::string>& password :
       {std::vector<std::string>{"--password", "geheiM"}, {"--password", "geheim1"}}) {
    std::vector<std::string> args{"dump", secret.string()};
    args.insert(args.end(), password.begin(), password.end());
    const CliRun run = Run(args);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err.rfind(wrong, 0), 0u) << run.Err;
  }
  EXPECT_NE(Run({"dump", secret.string()}).Err.find("--password"), std::string::npos);
  // Nothing was written beside the two files: no .BAK.
  EXPECT_EQ(WorkFiles(), (std::vector<std::string>{"in.json", "plain.TLK", "secret.TLK"}));
}

TEST_F(CliEndToEnd, PasswordLengthsAsTheDialogsTakeThem) {
  const fs::path json = WriteJson("in.json", Json::object());
  const fs::path file = work_ / "long.TLK";
  // 16 characters are cut to 15.
  Load(json, file, {"--password", "abcdefghijklmnop"});
  EXPECT_EQ(core::GetPasswordField(ReadAll(file)), core::ScramblePassword("abcdefghijklmno"));
  EXPECT_TRUE(Dump(file, {"--password", "abcdefghijklmno"})["protected"].get<bool>());
  EXPECT_TRUE(Dump(file, {"--password", "abcdefghijklmnop"})["protected"].get<bool>());

  // Four characters (two of them outside ASCII) are enough.
  const fs::path four = work_ / "four.TLK";
  Load(json, four, {"--password", Utf8("äbc€")});
  EXPECT_EQ(core::GetPasswordField(ReadAll(four)), core::ScramblePassword("äbc€"));

  for (const std::string& refused : {std::string("abc"), std::string(),
                                     std::string("ab\xC5\x81"
                                                 "cd")}) {
    const CliRun run =
        Run({"load", json.string(), (work_ / "short.TLK").string(), "--password", refused});
    EXPECT_EQ(run.ExitCode, 1) << refused;
    EXPECT_NE(run.Err.find("--password"), std::string::npos) << run.Err;
    EXPECT_FALSE(fs::exists(work_ / "short.TLK"));
  }
}

TEST_F(CliEndToEnd, AFileEncipheredAltDumpsWithVariantAlt) {
  Json document = Json::object();
  document["slots"] = Json::array({RealisticRecordJson()});
  const fs::path plain = work_ / "plain.TLK";
  Load(WriteJson("in.json", document), plain);

  core::DataFileBlock block = ReadAll(plain);
  const std::string scrambled = core::ScramblePassword("altes Pw");
  core::SetPasswordField(block, scrambled);
  core::ApplyCipher(block, scrambled, core::CipherVariant::Alt);
  const fs::path old_file = work_ / "ALT.TLK";
  WriteAll(old_file, block);

  Json expected = Dump(plain);
  expected["protected"] = true;
  EXPECT_EQ(Dump(old_file, {"--password", "altes Pw", "--variant", "alt"}).dump(), expected.dump());
  // "neu" passes the password test but deciphers something else.
  EXPECT_NE(Dump(old_file, {"--password", "altes Pw"}).dump(), expected.dump());
}

// "alt" is only for reading: a file written back by run is enciphered the
// way every save writes, so it opens afterwards without --variant.
TEST_F(CliEndToEnd, RunWritesAFileReadWithVariantAltBackEncipheredNeu) {
  Json document = Json::object();
  document["slots"] = Json::array({RealisticRecordJson()});
  const fs::path plain = work_ / "plain.TLK";
  Load(WriteJson("in.json", document), plain);

  core::DataFileBlock block = ReadAll(plain);
  const std::string scrambled = core::ScramblePassword("altes Pw");
  core::SetPasswordField(block, scrambled);
  core::ApplyCipher(block, scrambled, core::CipherVariant::Alt);
  const fs::path old_file = work_ / "ALT.TLK";
  WriteAll(old_file, block);

  const CliRun run = Run({"run", old_file.string(), "0", "clear-credits", "--write", "--password",
                          "altes Pw", "--variant", "alt"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  const CliRun plain_run = Run({"run", plain.string(), "0", "clear-credits", "--write"});
  ASSERT_EQ(plain_run.ExitCode, 0) << plain_run.Err;

  Json expected = Dump(plain);
  expected["protected"] = true;
  EXPECT_EQ(Dump(old_file, {"--password", "altes Pw"}).dump(), expected.dump());
  EXPECT_EQ(core::GetPasswordField(ReadAll(old_file)), scrambled);
}

// A desktop program that holds the file open would undo the change with its
// next save: the writing commands refuse such a file and write nothing. The
// holder here is this test process (alive, on this host); a lock whose
// process is gone does not stop them.
TEST_F(CliEndToEnd, AFileHeldOpenByARunningProgramIsNotWritten) {
  const fs::path file = work_ / "offen.TLK";
  ASSERT_EQ(Run({"new", file.string()}).ExitCode, 0);
  const std::vector<uint8_t> before = ReadAll(file);
  core::LockHolder holder = core::ThisProcess(std::chrono::system_clock::now());
  holder.User = "sekretariat";
  WriteAll(core::LockFilePath(file), core::EncodeLockText(holder));
  const fs::path json = WriteText("in.json", R"({"slots": [{"Surname": "Neu"}]})");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"load", json.string(), file.string()},
        std::vector<std::string>{"new", file.string()},
        std::vector<std::string>{"run", file.string(), "0", "clear-credits", "--write"}}) {
    const CliRun run = Run(args);
    EXPECT_EQ(run.ExitCode, 1) << args[0];
    EXPECT_NE(run.Err.find(Utf8("ist bereits geöffnet")), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Benutzer sekretariat"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find(Utf8("Nichts wurde geschrieben")), std::string::npos) << run.Err;
    EXPECT_EQ(ReadAll(file), before) << args[0];
  }
  // A dead holder on this host: the lock is stale and the file is written.
  pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  holder.ProcessId = child;
  WriteAll(core::LockFilePath(file), core::EncodeLockText(holder));
  const CliRun run = Run({"load", json.string(), file.string()});
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_NE(ReadAll(file), before);
}

TEST_F(CliEndToEnd, LoadProblemsWriteNothing) {
  const fs::path existing = work_ / "vorhanden.TLK";
  ASSERT_EQ(Run({"new", existing.string()}).ExitCode, 0);
  const std::vector<uint8_t> before = ReadAll(existing);

  struct Case {
    std::string json;
    std::string message;
  };
  const std::vector<Case> cases = {
      {R"({"slots": [{}, {}, {}, {"CourseResults": [{}, {}, {"SemesterPoints": ["12", "123"]}]}]})",
       "slots[3].CourseResults[2].SemesterPoints[1]: Text länger als 2 Zeichen"},
      {R"({"slots": [{"Vorname": "Eva"}]})", "slots[0].Vorname: unbekanntes Feld"},
      {"{\"slots\": [{\"Tutor\": \"Herr \xC5\x81\"}]}",
       "slots[0].Tutor: Zeichen außerhalb von Windows-1252"},
      {R"({"slots": [{"CourseChoices": [{"ExamSubject": 70000}]}]})",
       "slots[0].CourseChoices[0].ExamSubject: Zahl außerhalb von 0..65535"},
      {R"({"slots": [{"slot": 36, "Surname": "X"}]})", "slots[0].slot: Zahl außerhalb von 0..35"},
      {R"({"slots": [{"Hebraicum": "2"}]})", "slots[0].Hebraicum: ganze Zahl erwartet, nicht Text"},
      {R"({"slots": [{"IntroPhase": [{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}]}]})",
       "slots[0].IntroPhase: Liste länger als 17 Einträge"},
      {R"({"slots": [{"slot": 1}, {"slot": 1}]})",
       "slots[1].slot: Platz 1 ist schon durch slots[0] belegt"},
      {"{\"slots\": [\n{\"Surname\": \"X\",}]}",
       "in.json: kein gültiges JSON (Zeile 2, Spalte 17)"},
  };
  for (const Case& c : cases) {
    const fs::path json = WriteText("in.json", c.json);
    for (const fs::path& target : {work_ / "neu.TLK", existing}) {
      const CliRun run = Run({"load", json.string(), target.string()});
      EXPECT_EQ(run.ExitCode, 1) << c.json;
      EXPECT_EQ(run.Out, "");
      EXPECT_NE(run.Err.find(Utf8(c.message)), std::string::npos) << run.Err;
    }
    EXPECT_EQ(ReadAll(existing), before) << c.json;
    EXPECT_EQ(WorkFiles(), (std::vector<std::string>{"in.json", "vorhanden.TLK"})) << c.json;
  }

  // A JSON file that is missing, and a target that cannot be written.
  const CliRun missing = Run({"load", (work_ / "fehlt.json").string(), existing.string()});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_NE(missing.Err.find(Utf8("fehlt.json“ wurde nicht gefunden.")), std::string::npos)
      << missing.Err;
  WriteText("in.json", "{}");
  const CliRun below_a_file =
      Run({"load", (work_ / "in.json").string(), (existing / "x.TLK").string()});
  EXPECT_EQ(below_a_file.ExitCode, 1);
  EXPECT_NE(below_a_file.Err.find("x.TLK"), std::string::npos) << below_a_file.Err;
  EXPECT_EQ(ReadAll(existing), before);
}

TEST_F(CliEndToEnd, LoadReadsStandardInputAndRelativePathsFromTheWorkingDirectory) {
  Json document = Json::object();
  document["slots"] = Json::array({{{"Surname", "Becker"}}});
  const fs::path json = WriteJson("in.json", document);
  CliRunOptions options;
  options.WorkingDirectory = work_;
  options.Stdin = json;
  const CliRun run = RunCli({"--program-dir", "../prog", "load", "-", "rel.TLK"}, options);
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(Dump(work_ / "rel.TLK")["slots"][0]["Surname"], "Becker");
  EXPECT_FALSE(fs::exists(program_ / "rel.TLK"));

  CliRunOptions in_work;
  in_work.WorkingDirectory = work_;
  ASSERT_EQ(RunCli({"--program-dir", "../prog", "new", "n.TLK"}, in_work).ExitCode, 0);
  EXPECT_TRUE(fs::exists(work_ / "n.TLK"));
  EXPECT_EQ(RunCli({"dump", "n.TLK"}, in_work).ExitCode, 0);
}

TEST_F(CliEndToEnd, TheProgramDirectorysSubjectCatalogueFillsTheIntroPhase) {
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  size_t renamed = 0;
  for (size_t k = 1; k < catalogue.Entries.size(); ++k) {
    if (catalogue.Entries[k].IntroPosition == 1) renamed = k;
  }
  ASSERT_NE(renamed, 0u);
  catalogue.Entries[renamed].SubjectName = "Deutsch (Schule)";
  WriteAll(program_ / "FachDef.DAT", settings::EncodeSubjectCatalogue(catalogue));

  const fs::path file = work_ / "n.TLK";
  ASSERT_EQ(Run({"new", file.string()}).ExitCode, 0);
  EXPECT_EQ(Dump(file)["slots"][0]["IntroPhase"][0]["Subject"], "Deutsch (Schule)");
  EXPECT_EQ(ReadAll(file), InitialisedBlock(catalogue));

  const fs::path loaded = work_ / "l.TLK";
  Load(WriteJson("in.json", Json::object()), loaded);
  EXPECT_EQ(Dump(loaded)["slots"][12]["IntroPhase"][0]["Subject"], "Deutsch (Schule)");

  // A program directory that does not exist is refused.
  const CliRun missing = RunCli({"--program-dir", (dir_ / "fehlt").string(), "new", file.string()});
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_NE(missing.Err.find("fehlt"), std::string::npos);
}

TEST_F(CliEndToEnd, WithoutProgramDirTheExecutablesDirectoryIsTheProgramDirectory) {
  // A copy of the program in a writable directory beside its own catalogue.
  const fs::path install = dir_ / "install";
  fs::create_directory(install);
  fs::copy_file(TOLKA_CLI_PATH, install / "tolka-cli");
  settings::SubjectCatalogue catalogue = settings::BuiltInSubjectCatalogue();
  for (auto& entry : catalogue.Entries) {
    if (entry.IntroPosition == 8) entry.SubjectName = "Mathematik (Installation)";
  }
  WriteAll(install / "FachDef.DAT", settings::EncodeSubjectCatalogue(catalogue));

  CliRunOptions copy;
  copy.Program = install / "tolka-cli";
  const fs::path file = work_ / "i.TLK";
  const CliRun run = RunCli({"new", file.string()}, copy);
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(ReadAll(file), InitialisedBlock(catalogue));
}

TEST_F(CliEndToEnd, ASettingsFileThatFailsToLoadIsReportedAndItsDefaultsServe) {
  // A subject catalogue of the wrong size: the start-up message goes to
  // stderr, the built-in catalogue fills the table.
  WriteAll(program_ / "FachDef.DAT", std::vector<uint8_t>(100, 0));
  const fs::path file = work_ / "n.TLK";
  const CliRun run = Run({"new", file.string()});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err.rfind("tolka-cli: Fehler: ", 0), 0u) << run.Err;
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(ReadAll(file), InitialisedBlock(settings::BuiltInSubjectCatalogue()));
}

TEST_F(CliEndToEnd, SettingsThatDemandEncryptionNeedAPassword) {
  const fs::path json = WriteJson("in.json", Json::object());
  for (int which = 0; which < 2; ++which) {
    settings::GeneralSettings general;
    (which == 0 ? general.EncryptData : general.AlwaysEncrypt) = 1;
    WriteAll(program_ / "ABIEINST.DAT", settings::EncodeGeneralSettings(general));

    const fs::path file = work_ / "x.TLK";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"new", file.string()}, {"load", json.string(), file.string()}}) {
      const CliRun refused = Run(args);
      EXPECT_EQ(refused.ExitCode, 1) << which;
      EXPECT_NE(refused.Err.find(Utf8("\"Daten verschlüsseln\"")), std::string::npos)
          << refused.Err;
      EXPECT_NE(refused.Err.find("--password"), std::string::npos);
      EXPECT_FALSE(fs::exists(file));

      std::vector<std::string> with_password = args;
      with_password.insert(with_password.end(), {"--password", "Abitur"});
      const CliRun run = Run(with_password);
      ASSERT_EQ(run.ExitCode, 0) << run.Err;
      EXPECT_EQ(core::GetPasswordField(ReadAll(file)), core::ScramblePassword("Abitur"));
      fs::remove(file);
    }
  }
}

TEST_F(CliEndToEnd, SchoolPasswordsComeFromTheSchoolData) {
  const CliRun none = Run({"school-passwords"});
  EXPECT_EQ(none.ExitCode, 1);
  EXPECT_NE(none.Err.find("SCHULE.INI fehlt"), std::string::npos) << none.Err;
  EXPECT_EQ(none.Out, "");

  // Found whatever the case of its name; Windows-1252 like the other files.
  const std::string text =
      "; Schuldaten\r\nSchulname=Gymnasium am Schloß\r\nSchulnummer=51234\r\n"
      "Schluessel=Großer Schlüssel 7\r\n";
  WriteAll(program_ / "schule.ini", std::vector<uint8_t>(text.begin(), text.end()));
  const settings::SchoolData school = settings::ParseSchoolData(text);
  const std::string exam = settings::ExamSettingsPassword(school);
  const std::string subject = settings::SubjectSettingsPassword(school);
  ASSERT_FALSE(exam.empty());
  ASSERT_FALSE(subject.empty());
  const CliRun run = Run({"school-passwords"});
  ASSERT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Out, Utf8("Abitureinstellungen (AbiDefinition): " + exam +
                          "\nFächereinstellungen (Fächerdefinition): " + subject + "\n"));
  EXPECT_EQ(run.Err, "");

  // Without the key there is no password to show.
  const std::string no_key = "Schulname=Gymnasium\r\nSchulnummer=51234\r\n";
  WriteAll(program_ / "schule.ini", std::vector<uint8_t>(no_key.begin(), no_key.end()));
  const CliRun closed = Run({"school-passwords"});
  EXPECT_EQ(closed.ExitCode, 1);
  EXPECT_NE(closed.Err.find(Utf8("Schlüssel (Schluessel=) fehlt")), std::string::npos)
      << closed.Err;
  EXPECT_EQ(closed.Out, "");
}

TEST_F(CliEndToEnd, DumpOfDamagedOrMissingFiles) {
  const fs::path file = work_ / "d.TLK";
  ASSERT_EQ(Run({"new", file.string()}).ExitCode, 0);
  std::vector<uint8_t> bytes = ReadAll(file);

  // Longer: the first 159712 bytes count.
  std::vector<uint8_t> longer = bytes;
  longer.resize(kFileSize + 100, 0xAB);
  WriteAll(work_ / "long.TLK", longer);
  EXPECT_EQ(Dump(work_ / "long.TLK").dump(), Dump(file).dump());

  struct Case {
    fs::path path;
    std::string message;
  };
  bytes.pop_back();
  WriteAll(work_ / "short.TLK", bytes);
  fs::create_directory(work_ / "dir.TLK");
  for (const Case& c : std::vector<Case>{
           {work_ / "short.TLK", Utf8("short.TLK“ ist keine Tolka-Datendatei (falsche Größe).")},
           {work_ / "fehlt.TLK", Utf8("fehlt.TLK“ wurde nicht gefunden.")},
           {work_ / "dir.TLK", Utf8("dir.TLK“ kann nicht gelesen werden")},
       }) {
    const CliRun run = Run({"dump", c.path.string()});
    EXPECT_EQ(run.ExitCode, 1) << c.message;
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
  }

  // Output that cannot be written is an error, not a success.
  CliRunOptions full;
  full.Stdout = "/dev/full";
  const CliRun run = Run({"dump", file.string()}, full);
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_NE(run.Err.find("Ausgabe fehlgeschlagen"), std::string::npos) << run.Err;
}

}  // namespace
}  // namespace tolka::test
