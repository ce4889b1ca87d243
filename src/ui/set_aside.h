#pragma once

#include <QString>

namespace ui {

// Moves whatever stands at path (a file, a folder, a link, a device) out of the way, beside it,
// under a name that nothing holds yet: "review (unreadable).txt", then "review (unreadable
// 2).txt" and so on. Nothing is deleted or overwritten. The new path, or a null string when it
// could not be moved.
QString setAside(const QString &path);

} // namespace ui
