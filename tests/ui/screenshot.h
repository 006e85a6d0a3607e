// Screenshots of windows for looking at them by eye: when the environment
// variable TOLKA_SCREENSHOT_DIR names a directory, SaveScreenshot writes the
// widget as <name>.png there; otherwise it does nothing.
#pragma once

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace tolka::test {

inline void SaveScreenshot(QWidget* widget, const char* name) {
  const QString dir = qEnvironmentVariable("TOLKA_SCREENSHOT_DIR");
  if (dir.isEmpty() || widget == nullptr) return;
  widget->grab().save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

}  // namespace tolka::test
