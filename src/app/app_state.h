// The application-state object: every "single global instance" of the
// system (directories, settings records, the data session) lives here. The
// program owns one; tests build as many as they like.
#pragma once

#include "app/data_session.h"
#include "app/session_files.h"
#include "core/directories.h"
#include "core/record_list_operations.h"
#include "print/print_settings.h"
#include "settings/exam_settings.h"
#include "settings/general_settings.h"
#include "settings/school_data.h"
#include "settings/subject_catalogue.h"

namespace tolka::app {

struct AppState {
  core::Directories Dirs;
  settings::GeneralSettings General;
  settings::ProtectedOptions LoadedProtected;  // remembered at the last load
  print::PrintSettings Print;
  settings::SubjectCatalogue Catalogue;
  settings::ExamSettings Exam;
  settings::SchoolData School;
  DataSession Data;
  core::RecordListState RecordList;  // clipboard and search state
  SessionFiles Session;              // lock file and recovery copy

  bool CentralSettings() const { return General.CentralSettings == 1; }
  bool CentralLists() const { return General.CentralLists == 1; }
};

}  // namespace tolka::app
