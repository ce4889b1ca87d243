#include "ui/help_viewer.h"

namespace ui {
namespace {
QString &applicationHelpFile() {
  static QString path;
  return path;
}
} // namespace

void setHelpFile(const QString &path) { applicationHelpFile() = path; }

QString helpFile() { return applicationHelpFile(); }

} // namespace ui
