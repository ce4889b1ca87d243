#pragma once

#include <QString>

class QWidget;

namespace ui {

// The application's help file, named by the main window when it loads.
void setHelpFile(const QString &path);
QString helpFile();

} // namespace ui
