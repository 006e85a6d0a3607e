// Writes the seed corpus of every fuzz target with the program's own
// encoders and savers: `tolka-fuzz-seeds DIR` fills DIR/<target>/ (see
// scripts/fuzz.sh --seeds). The texts are Windows-1252 (this file is
// converted like the core's sources).
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_session.h"
#include "cli/record_json.h"
#include "core/data_cipher.h"
#include "core/file_io.h"
#include "exchange/import_config.h"
#include "fuzz/seed_password.h"
#include "print/fhr_info.h"
#include "print/format_table.h"
#include "print/print_settings.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/name_lists.h"
#include "settings/school_data.h"
#include "settings/subject_catalogue.h"

namespace {

namespace fs = std::filesystem;
using namespace tolka;

fs::path g_root;

void Write(const std::string& target, const std::string& name, const std::vector<uint8_t>& bytes) {
  fs::create_directories(g_root / target);
  core::SaveFileAtomically(g_root / target / name, bytes);
}

void Write(const std::string& target, const std::string& name, const std::string& text) {
  Write(target, name, std::vector<uint8_t>(text.begin(), text.end()));
}

// Two students with filled personal data, choices and results; the other
// slots as New leaves them.
core::StudentTable SampleTable() {
  core::StudentTable table;
  table.Initialise(settings::IntroPhaseDefaultsOf(settings::BuiltInSubjectCatalogue()));
  core::StudentRecord& first = table.At(0);
  first.Salutation = 1;
  first.Surname = "Müller";
  first.GivenNames = "Jördis Anna";
  first.BirthDate = "03.05.2008";
  first.BirthPlace = "Saarbrücken";
  first.ClassName = "12a";
  first.Tutor = "Weiß";
  first.CourseChoices[0] = {"Deutsch", 1, 1};
  first.CourseChoices[1] = {"Mathematik", 2, 1};
  first.CourseResults[0].SemesterPoints = {"11", "12", "10", "13"};
  first.CourseResults[0].WrittenExamPoints = "09";
  first.InternalRemarks = "Nachprüfung\r\nbeantragt";
  core::StudentRecord& second = table.At(1);
  second.Salutation = 2;
  second.Surname = "Özdemir";
  second.GivenNames = "Kai";
  second.BirthDate = "17.11.2007";
  second.ProjectCourses[0] = "Theater";
  return table;
}

void WriteDataFiles() {
  app::DataSession plain;
  plain.Table = SampleTable();
  Write("data_file", "zwei_schueler.TLK", plain.BlockForWriting());

  // What Save writes for protected data ("neu").
  app::DataSession secured = plain;
  secured.Protected = true;
  secured.PasswordField = core::ScramblePassword(fuzz::kSeedPassword);
  const core::DataFileBlock neu = secured.BlockForWriting();
  Write("data_file_neu", "geschuetzt_neu.TLK", neu);

  // The older variant "alt", which the program only reads.
  core::DataFileBlock alt = plain.Block();
  core::SetPasswordField(alt, secured.PasswordField);
  core::ApplyCipher(alt, secured.PasswordField, core::CipherVariant::Alt);
  Write("data_file_alt", "geschuetzt_alt.TLK", alt);
}

void WriteSettings() {
  settings::GeneralSettings general = settings::DefaultGeneralSettings();
  general.PlaceDate = "Saarlouis, den";
  Write("general_settings", "ABIEINST.DAT", settings::EncodeGeneralSettings(general));
  Write("subject_catalogue", "FachDef.DAT",
        settings::EncodeSubjectCatalogue(settings::BuiltInSubjectCatalogue()));
  Write("exam_settings", "AbiDef.DAT",
        settings::EncodeExamSettings(settings::BuiltInExamSettings()));

  print::PrintSettings print_settings;
  print::ResetPrintSettings(print_settings);
  const std::vector<uint8_t> print_bytes = print::EncodePrintSettings(print_settings);
  Write("print_settings", "DRKEINST.DAT", print_bytes);
  // The older form is the first 192 bytes of the same layout.
  Write("print_settings", "DRKEINST_alt.DAT",
        std::vector<uint8_t>(print_bytes.begin(),
                             print_bytes.begin() + print::print_layout::kOldRecordSize));

  print::FhrInfo fhr;
  fhr.SchoolType = 2;
  fhr.SchoolSubject = "Wirtschaft und Verwaltung";
  Write("fhr_info", "FHRINFO.DAT", print::EncodeFhrInfo(fhr));

  using settings::NameListKind;
  Write("name_lists", "PKURSE.PKL",
        settings::FormatNameList(settings::InfoOf(NameListKind::ProjectCourses).Defaults));
  Write("name_lists", "TUTOREN.STL", settings::FormatNameList({"Weiß", "Dr. Schäfer", "Ng"}));
  Write("name_lists", "KLASSEN.KLL",
        settings::FormatNameList(settings::InfoOf(NameListKind::Classes).Defaults));

  settings::SchoolData school;
  school.SchoolName = "Gymnasium am Schloßberg";
  school.CertificateName = "Gymnasium am Schloßberg, Homburg";
  school.ShortName = "GaS";
  school.SchoolNumber = "123456";
  school.SchoolKey = "Schlüssel-01";
  const std::string ini = settings::FormatSchoolData(school);
  Write("school_data", "SCHULE.INI", ini);
  // A file of another program's editor keeps its comments and sections.
  Write("school_data", "SCHULE_kommentiert.INI",
        settings::MergeSchoolData("[Schule]\n; von Hand\nFremd=1\nName=Alt\n", school));
}

void WriteExchange() {
  exchange::ImportConfig config = exchange::BuiltInImportConfig();
  Write("import_config", "IMPORT.CFG", exchange::EncodeImportConfig(config));
  // The leading byte of an import seed picks the starting slot.
  Write("import_text", "personen.txt",
        std::string("Müller;Jördis;2008-05-03;Saarbrücken;w;Homburg;Am Markt 2;12a\r\n"
                    "\"Özdemir\";Kai;17.11.2007;Ankara;m;;;12b\r\n"
                    "\r\n"
                    "Ng\tLan\t\t\tw\r\n"));
  const std::string utf8 =
      "\xEF\xBB\xBF"
      "Wei\xC3\x9F;Tom;;;m\n";
  Write("import_text", "personen_utf8.txt", utf8);

  Write("format_table", "template.FST", print::FormatTableText(print::FormatTableTemplate()));

  cli::Json document = cli::TableToJson(SampleTable(), false);
  cli::Json& slots = document["slots"];
  slots.erase(slots.begin() + 2, slots.end());
  Write("record_json", "zwei_schueler.json", document.dump());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: tolka-fuzz-seeds DIR\n", stderr);
    return 2;
  }
  g_root = argv[1];
  try {
    WriteDataFiles();
    WriteSettings();
    WriteExchange();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
