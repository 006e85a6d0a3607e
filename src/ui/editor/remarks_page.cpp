#include "ui/editor/remarks_page.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/input_limits.h"
#include "ui/editor/editor_fields.h"

namespace tolka::ui {

RemarksPage::RemarksPage(QWidget* parent, InputNotices* notices) : RecordPage(parent) {
  setObjectName(QStringLiteral("RemarksPage"));
  internal_ =
      new FreeTextEdit(this, "InternalRemarks", app::input_width::kInternalRemarks, notices);
  certificate_ =
      new FreeTextEdit(this, "CertificateRemarks", app::input_width::kCertificateRemarks, notices);
  const int line = internal_->fontMetrics().lineSpacing();
  internal_->setMinimumHeight(line * 4);
  certificate_->setMinimumHeight(line * 3);

  auto* page = new QVBoxLayout(this);
  page->addWidget(Caption(QStringLiteral("interne Bemerkungen:"), internal_, this));
  page->addWidget(internal_, 5);
  page->addWidget(
      Caption(QStringLiteral("Bemerkungen auf dem Abiturzeugnis:"), certificate_, this));
  page->addWidget(certificate_, 3);
  ChainTabOrder({internal_, certificate_});
}

void RemarksPage::Show(const app::ShownRecord& shown) {
  internal_->Fill(shown.Values.InternalRemarks);
  certificate_->Fill(shown.Values.CertificateRemarks);
}

void RemarksPage::Collect(app::EditorValues& v) const {
  v.InternalRemarks = internal_->Value();
  v.CertificateRemarks = certificate_->Value();
}

}  // namespace tolka::ui

#include "moc_remarks_page.cpp"
