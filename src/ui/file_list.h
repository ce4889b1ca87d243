#pragma once

#include <QListWidget>

namespace ui {

// A file list: the names, without folder, of the files in a folder that match a pattern, read
// when the folder is set. Nothing is selected, nor drawn as if it were, until the user picks a
// name: Qt would make the first name current as the list takes the focus, and draw it so.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    void setFolder(const QString &folder, const QString &pattern);
    // The selected name, or "" when none is selected.
    QString selectedName() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace ui
