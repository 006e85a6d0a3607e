#include "cli/record_json.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <set>

#include "cli/cli_error.h"
#include "cli/terminal_text.h"
#include "core/cp1252.h"

namespace tolka::cli {

namespace W = core::record_width;

namespace {

// The one list of the record's fields, in record order, used in both
// directions so that what is dumped is exactly what can be loaded. `v` gets
// Number (u16 flags and codes), Text (string[N], N characters), CharText
// (char[N], N - 1 characters), TextArray, NumberArray and Rows (an array of
// objects whose fields the callback visits).
template <typename Record, typename Visitor>
void VisitRecordFields(Record& r, Visitor& v) {
  v.Number("StatusWord", r.StatusWord);
  v.Text("StudentId", r.StudentId, W::kStudentId);
  v.Number("Salutation", r.Salutation);
  v.Text("Surname", r.Surname, W::kName);
  v.Text("GivenNames", r.GivenNames, W::kName);
  v.Text("BirthDate", r.BirthDate, W::kBirthDate);
  v.Text("BirthPlace", r.BirthPlace, W::kPlace);
  v.Text("Residence", r.Residence, W::kPlace);
  v.Text("ClassName", r.ClassName, W::kClassName);
  v.Text("Tutor", r.Tutor, W::kName);
  v.Text("Religion", r.Religion, W::kName);
  v.Rows("ForeignLanguages", r.ForeignLanguages, [](auto& e, auto& ev) {
    ev.Text("Subject", e.Subject, W::kSubject);
    ev.Text("FromGrade", e.FromGrade, W::kPoints);
    ev.Text("ToGrade", e.ToGrade, W::kPoints);
  });
  v.Number("Graecum", r.Graecum);
  v.Number("Latinum", r.Latinum);
  v.Number("Hebraicum", r.Hebraicum);
  v.Rows("IntroPhase", r.IntroPhase, [](auto& e, auto& ev) {
    ev.Text("Subject", e.Subject, W::kSubject);
    ev.Text("Mark1", e.Mark1, W::kMark);
    ev.Text("Mark2", e.Mark2, W::kMark);
  });
  v.Number("RepeatsIntroPhase", r.RepeatsIntroPhase);
  v.Number("SkippedIntroPhase", r.SkippedIntroPhase);
  v.Number("CompensationAllowable", r.CompensationAllowable);
  v.Number("CompensationGranted", r.CompensationGranted);
  v.Number("PromotableToQualPhase", r.PromotableToQualPhase);
  v.Number("PromotedByConference", r.PromotedByConference);
  v.Rows("CourseChoices", r.CourseChoices, [](auto& e, auto& ev) {
    ev.Text("Subject", e.Subject, W::kSubject);
    ev.Number("ExamSubject", e.ExamSubject);
    ev.Number("AdvancedCourse", e.AdvancedCourse);
  });
  v.Rows("CourseResults", r.CourseResults, [](auto& e, auto& ev) {
    ev.Text("SubjectCopy", e.SubjectCopy, W::kSubject);
    ev.TextArray("SemesterPoints", e.SemesterPoints, W::kPoints);
    ev.Text("WrittenExamPoints", e.WrittenExamPoints, W::kPoints);
    ev.Text("OralExamPoints", e.OralExamPoints, W::kPoints);
    ev.NumberArray("Credited", e.Credited);
    ev.Number("CompetenceFlag", e.CompetenceFlag);
  });
  v.CharText("SpecialWorkTopic", r.SpecialWorkTopic, W::kSpecialWorkTopic);
  v.Text("SpecialWorkMentor", r.SpecialWorkMentor, W::kPlace);
  v.Number("SpecialWorkCounts", r.SpecialWorkCounts);
  v.Text("SpecialWorkDocPoints", r.SpecialWorkDocPoints, W::kPoints);
  v.Text("SpecialWorkColloquiumPoints", r.SpecialWorkColloquiumPoints, W::kPoints);
  v.Text("SpecialWorkTotal", r.SpecialWorkTotal, W::kPoints);
  v.CharText("InternalRemarks", r.InternalRemarks, W::kInternalRemarks);
  v.CharText("CertificateRemarks", r.CertificateRemarks, W::kCertificateRemarks);
  v.TextArray("ProjectCourses", r.ProjectCourses, W::kProjectCourse);
  v.Number("ProjectCoursesHoldSpecialWork", r.ProjectCoursesHoldSpecialWork);
}

// ---- record -> JSON

class DumpVisitor {
 public:
  explicit DumpVisitor(Json& out) : out_(out) {}

  void Number(const char* name, uint16_t value) { out_[name] = value; }
  void Text(const char* name, const std::string& value, size_t) {
    out_[name] = core::Cp1252ToUtf8(value);
  }
  void CharText(const char* name, const std::string& value, size_t) {
    out_[name] = core::Cp1252ToUtf8(value);
  }
  template <typename Array>
  void TextArray(const char* name, const Array& values, size_t) {
    Json list = Json::array();
    for (const std::string& value : values) list.push_back(core::Cp1252ToUtf8(value));
    out_[name] = std::move(list);
  }
  template <typename Array>
  void NumberArray(const char* name, const Array& values) {
    Json list = Json::array();
    for (uint16_t value : values) list.push_back(value);
    out_[name] = std::move(list);
  }
  template <typename Array, typename Fields>
  void Rows(const char* name, const Array& rows, Fields fields) {
    Json list = Json::array();
    for (const auto& row : rows) {
      Json object = Json::object();
      DumpVisitor row_visitor(object);
      fields(row, row_visitor);
      list.push_back(std::move(object));
    }
    out_[name] = std::move(list);
  }

 private:
  Json& out_;
};

// ---- JSON -> record

std::string TypeName(const Json& j) {
  if (j.is_null()) return "null";
  if (j.is_boolean()) return "Wahrheitswert";
  if (j.is_number_float()) return "Kommazahl";
  if (j.is_number()) return "Zahl";
  if (j.is_string()) return "Text";
  if (j.is_array()) return "Liste";
  return "Objekt";
}

void WrongType(JsonErrors& errors, const std::string& path, const char* expected,
               const Json& found) {
  errors.push_back(path + ": " + expected + " erwartet, nicht " + TypeName(found));
}

// An integer in min..max, or nothing (the problem is in `errors`).
std::optional<uint64_t> IntegerIn(const Json& j, const std::string& path, uint64_t max,
                                  JsonErrors& errors) {
  if (!j.is_number_integer()) {
    WrongType(errors, path, "ganze Zahl", j);
    return std::nullopt;
  }
  // "-0" is a signed zero; every other negative number is out of range.
  const bool negative = !j.is_number_unsigned() && j.get<int64_t>() < 0;
  if (negative || j.get<uint64_t>() > max) {
    char range[64];
    std::snprintf(range, sizeof range, ": Zahl außerhalb von 0..%llu",
                  static_cast<unsigned long long>(max));
    errors.push_back(path + range);
    return std::nullopt;
  }
  return j.get<uint64_t>();
}

void ApplyNumber(const Json& j, const std::string& path, uint16_t& target, JsonErrors& errors) {
  if (auto value = IntegerIn(j, path, UINT16_MAX, errors)) target = static_cast<uint16_t>(*value);
}

// A text of at most `max_length` Windows-1252 characters; a char[N] text
// (`char_array`) may hold no zero byte, which would end it early.
void ApplyText(const Json& j, const std::string& path, std::string& target, size_t max_length,
               bool char_array, JsonErrors& errors) {
  if (!j.is_string()) return WrongType(errors, path, "Text", j);
  const auto text = core::Utf8ToCp1252(j.get<std::string>());
  if (!text) {
    errors.push_back(path + ": Zeichen außerhalb von Windows-1252");
    return;
  }
  if (text->size() > max_length) {
    char reason[64];
    std::snprintf(reason, sizeof reason, ": Text länger als %zu Zeichen", max_length);
    errors.push_back(path + reason);
    return;
  }
  if (char_array && text->find('\0') != std::string::npos) {
    errors.push_back(path + ": Text enthält ein Nullzeichen");
    return;
  }
  target = *text;
}

std::string Indexed(const std::string& path, size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

// The elements of an array field that fit, or nothing.
const Json* ArrayUpTo(const Json& j, const std::string& path, size_t capacity, JsonErrors& errors) {
  if (!j.is_array()) {
    WrongType(errors, path, "Liste", j);
    return nullptr;
  }
  if (j.size() > capacity) {
    errors.push_back(path + ": Liste länger als " + std::to_string(capacity) + " Einträge");
    return nullptr;
  }
  return &j;
}

class LoadVisitor {
 public:
  LoadVisitor(const Json& in, std::string path, JsonErrors& errors)
      : in_(in), path_(std::move(path)), errors_(errors) {}

  void Number(const char* name, uint16_t& target) {
    if (const Json* j = Take(name)) ApplyNumber(*j, Path(name), target, errors_);
  }
  void Text(const char* name, std::string& target, size_t width) {
    if (const Json* j = Take(name)) ApplyText(*j, Path(name), target, width, false, errors_);
  }
  void CharText(const char* name, std::string& target, size_t size) {
    // char[N] keeps its terminating zero byte: N - 1 characters.
    if (const Json* j = Take(name)) ApplyText(*j, Path(name), target, size - 1, true, errors_);
  }
  template <typename Array>
  void TextArray(const char* name, Array& targets, size_t width) {
    const Json* j = Take(name);
    if (!j || !(j = ArrayUpTo(*j, Path(name), targets.size(), errors_))) return;
    for (size_t i = 0; i < j->size(); ++i) {
      ApplyText((*j)[i], Indexed(Path(name), i), targets[i], width, false, errors_);
    }
  }
  template <typename Array>
  void NumberArray(const char* name, Array& targets) {
    const Json* j = Take(name);
    if (!j || !(j = ArrayUpTo(*j, Path(name), targets.size(), errors_))) return;
    for (size_t i = 0; i < j->size(); ++i) {
      ApplyNumber((*j)[i], Indexed(Path(name), i), targets[i], errors_);
    }
  }
  template <typename Array, typename Fields>
  void Rows(const char* name, Array& rows, Fields fields) {
    const Json* j = Take(name);
    if (!j || !(j = ArrayUpTo(*j, Path(name), rows.size(), errors_))) return;
    for (size_t i = 0; i < j->size(); ++i) {
      const Json& element = (*j)[i];
      const std::string row_path = Indexed(Path(name), i);
      if (!element.is_object()) {
        WrongType(errors_, row_path, "Objekt", element);
        continue;
      }
      LoadVisitor row_visitor(element, row_path, errors_);
      fields(rows[i], row_visitor);
      row_visitor.ReportUnknownKeys({});
    }
  }

  // Every key of the object that no field took and that is not an extra key
  // of the caller.
  void ReportUnknownKeys(const std::vector<std::string>& extra_keys) {
    for (const auto& item : in_.items()) {
      const std::string& key = item.key();
      if (known_.count(key) == 0 &&
          std::find(extra_keys.begin(), extra_keys.end(), key) == extra_keys.end()) {
        errors_.push_back(Path(FromUtf8Lossy(key)) + ": unbekanntes Feld");
      }
    }
  }

 private:
  const Json* Take(const char* name) {
    known_.insert(name);
    const auto it = in_.find(name);
    return it == in_.end() ? nullptr : &*it;
  }
  std::string Path(const std::string& name) const {
    return path_.empty() ? name : path_ + "." + name;
  }

  const Json& in_;
  std::string path_;
  JsonErrors& errors_;
  std::set<std::string> known_;
};

}  // namespace

Json RecordToJson(const core::StudentRecord& record) {
  Json object = Json::object();
  DumpVisitor visitor(object);
  VisitRecordFields(record, visitor);
  return object;
}

Json TableToJson(const core::StudentTable& table, bool is_protected) {
  Json slots = Json::array();
  for (size_t i = 0; i < core::kSlotCount; ++i) slots.push_back(RecordToJson(table.At(i)));
  Json document = Json::object();
  document["protected"] = is_protected;
  document["slots"] = std::move(slots);
  return document;
}

void ApplyRecordJson(const Json& object, core::StudentRecord& record, const std::string& path,
                     JsonErrors& errors, const std::vector<std::string>& extra_keys) {
  if (!object.is_object()) return WrongType(errors, path, "Objekt", object);
  LoadVisitor visitor(object, path, errors);
  VisitRecordFields(record, visitor);
  visitor.ReportUnknownKeys(extra_keys);
}

JsonErrors ApplyTableJson(const Json& document, core::StudentTable& table) {
  JsonErrors errors;
  if (!document.is_object()) {
    WrongType(errors, "JSON", "Objekt", document);
    return errors;
  }
  core::StudentTable result = table;
  for (const auto& item : document.items()) {
    if (item.key() == "protected") {
      if (!item.value().is_boolean()) WrongType(errors, "protected", "Wahrheitswert", item.value());
    } else if (item.key() != "slots") {
      errors.push_back(FromUtf8Lossy(item.key()) + ": unbekanntes Feld");
    }
  }
  if (const auto it = document.find("slots"); it != document.end()) {
    if (const Json* slots = ArrayUpTo(*it, "slots", core::kSlotCount, errors)) {
      // Which element named each slot, so a slot given twice is caught.
      std::array<std::optional<size_t>, core::kSlotCount> given_by{};
      for (size_t i = 0; i < slots->size(); ++i) {
        const Json& element = (*slots)[i];
        const std::string path = Indexed("slots", i);
        if (!element.is_object()) {
          WrongType(errors, path, "Objekt", element);
          continue;
        }
        std::optional<size_t> slot = i;
        if (const auto s = element.find("slot"); s != element.end()) {
          slot = IntegerIn(*s, path + ".slot", core::kSlotCount - 1, errors);
        }
        if (slot && given_by[*slot]) {
          errors.push_back(path + ".slot: Platz " + std::to_string(*slot) +
                           " ist schon durch slots[" + std::to_string(*given_by[*slot]) +
                           "] belegt");
          slot.reset();
        }
        if (slot) {
          given_by[*slot] = i;
          ApplyRecordJson(element, result.At(*slot), path, errors, {"slot"});
        } else {
          // Still check the fields, so every problem is reported at once.
          core::StudentRecord scratch;
          ApplyRecordJson(element, scratch, path, errors, {"slot"});
        }
      }
    }
  }
  if (errors.empty()) table = std::move(result);
  return errors;
}

Json ParseJsonText(const std::string& text, const std::string& source) {
  // nlohmann keeps the last of two equal keys silently; a key given twice is
  // almost always a mistake in a hand-edited file, so it is refused.
  std::vector<std::set<std::string>> open_objects;
  std::optional<std::string> duplicate;
  const Json::parser_callback_t watch_keys = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) {
      open_objects.emplace_back();
    } else if (event == Json::parse_event_t::object_end) {
      if (!open_objects.empty()) open_objects.pop_back();
    } else if (event == Json::parse_event_t::key && !open_objects.empty()) {
      if (!open_objects.back().insert(parsed.get<std::string>()).second && !duplicate) {
        duplicate = parsed.get<std::string>();
      }
    }
    return true;
  };
  Json document;
  try {
    document = Json::parse(text, watch_keys);
  } catch (const Json::parse_error& e) {
    // The line and column of the byte where the parser stopped.
    size_t line = 1;
    size_t column = 1;
    const size_t stop = std::min<size_t>(e.byte > 0 ? e.byte - 1 : 0, text.size());
    for (size_t i = 0; i < stop; ++i) {
      if (text[i] == '\n') {
        ++line;
        column = 1;
      } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
        ++column;
      }
    }
    const bool bad_utf8 = std::string(e.what()).find("UTF-8") != std::string::npos;
    char where[96];
    std::snprintf(where, sizeof where, ": %s (Zeile %zu, Spalte %zu)",
                  bad_utf8 ? "ungültiges UTF-8" : "kein gültiges JSON", line, column);
    throw UserError(source + where);
  } catch (const Json::out_of_range& e) {
    // A number beyond the range of a double ("1e999"): the parser names it
    // between quotes, and a number is plain ASCII.
    const std::string what = e.what();
    const size_t open = what.find('\'');
    const size_t close = what.rfind('\'');
    std::string number;
    if (open != std::string::npos && close > open) number = what.substr(open + 1, close - open - 1);
    throw UserError(source + ": kein gültiges JSON (Zahl außerhalb des Zahlenbereichs" +
                    (number.empty() ? std::string() : ": " + FromUtf8Lossy(number)) + ")");
  }
  if (duplicate) {
    throw UserError(source + ": Schlüssel \"" + FromUtf8Lossy(*duplicate) +
                    "\" kommt in einem Objekt doppelt vor");
  }
  return document;
}

}  // namespace tolka::cli
