// The help window "Hilfe zu Tolka": the German help pages shipped with the
// program (Qt resources under :/help) in a browser with "Inhalt", "Zurück"
// and "Vor", and a search over all pages that lists the pages holding the
// typed words as links. Not modal; made once and shown again.
#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace tolka::ui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `contents`: the help file's contents page (the start-up sets it).
  HelpWindow(const QUrl& contents, QWidget* parent);

  // Shows the contents page and brings the window to the front.
  void ShowContents();

  // Lists the pages that contain every word of `text` (ignoring case), each
  // as a link with its title; a text without words shows the contents.
  void Search(const QString& text);

  QTextBrowser* Browser() const { return browser_; }

 private:
  QUrl contents_;
  QTextBrowser* browser_;
  QLineEdit* search_;
};

}  // namespace tolka::ui
