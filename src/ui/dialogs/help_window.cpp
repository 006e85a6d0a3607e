#include "ui/dialogs/help_window.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

// The help pages are a resource of the static UI library: registered
// explicitly, or the linker would drop them.
static void RegisterHelpPages() { Q_INIT_RESOURCE(help); }

namespace tolka::ui {

namespace {

struct HelpPage {
  QString File;
  QString Title;
  QString Text;  // plain text, for the search
};

QList<HelpPage> HelpPages(const QString& dir) {
  QList<HelpPage> pages;
  const QDir help(dir);
  for (const QString& name : help.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
    QFile file(help.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    pages.push_back(
        {name, document.metaInformation(QTextDocument::DocumentTitle), document.toPlainText()});
  }
  return pages;
}

}  // namespace

HelpWindow::HelpWindow(const QUrl& contents, QWidget* parent)
    : QWidget(parent, Qt::Window), contents_(contents) {
  RegisterHelpPages();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Hilfe zu Tolka"));

  auto* home = new QPushButton(QStringLiteral("Inhalt"), this);
  home->setObjectName(QStringLiteral("ContentsButton"));
  auto* back = new QPushButton(QStringLiteral("Zurück"), this);
  back->setObjectName(QStringLiteral("BackButton"));
  auto* forward = new QPushButton(QStringLiteral("Vor"), this);
  forward->setObjectName(QStringLiteral("ForwardButton"));
  auto* search_label = new QLabel(QStringLiteral("Suchen:"), this);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("SearchEdit"));
  search_->setClearButtonEnabled(true);
  search_label->setBuddy(search_);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenLinks(true);

  auto* bar = new QHBoxLayout;
  bar->addWidget(home);
  bar->addWidget(back);
  bar->addWidget(forward);
  bar->addStretch();
  bar->addWidget(search_label);
  bar->addWidget(search_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_);
  resize(720, 560);

  connect(home, &QPushButton::clicked, this, &HelpWindow::ShowContents);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(search_, &QLineEdit::returnPressed, this, [this] { Search(search_->text()); });
  back->setEnabled(false);
  forward->setEnabled(false);
  browser_->setSource(contents_);
}

void HelpWindow::ShowContents() {
  browser_->setSource(contents_);
  show();
  raise();
  activateWindow();
}

void HelpWindow::Search(const QString& text) {
  const QStringList words =
      text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  if (words.isEmpty()) {
    ShowContents();
    return;
  }
  // The pages lie beside the contents page.
  QString dir = contents_.toString(QUrl::RemoveFilename | QUrl::StripTrailingSlash);
  if (dir.startsWith(QStringLiteral("qrc:"))) dir = dir.mid(3);  // ":/help"
  QString html = QStringLiteral("<h1>Suche: %1</h1>").arg(text.toHtmlEscaped());
  int found = 0;
  QString list;
  for (const HelpPage& page : HelpPages(dir)) {
    const bool all = std::all_of(words.begin(), words.end(), [&page](const QString& word) {
      return page.Text.contains(word, Qt::CaseInsensitive);
    });
    if (!all) continue;
    ++found;
    QUrl link = contents_.resolved(QUrl(page.File));
    list += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                .arg(link.toString(), page.Title.toHtmlEscaped());
  }
  html += found == 0 ? QStringLiteral("<p>Keine Seite enthält diesen Text.</p>")
                     : QStringLiteral("<p>%1 Seite(n):</p><ul>%2</ul>").arg(found).arg(list);
  browser_->setHtml(html);
  show();
  raise();
}

}  // namespace tolka::ui

#include "moc_help_window.cpp"
