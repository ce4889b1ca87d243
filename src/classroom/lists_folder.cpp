#include "classroom/lists_folder.h"

#include "ui/desktop.h"
#include "ui/file_system.h"
#include "ui/message_box.h"

namespace lists_folder {

void open()
{
    const QString folder = ui::customVocabFolder();
    if (!ui::folderExists(folder))
        ui::makeFolder(folder);
    if (ui::openInFileManager(folder))
        return;
    ui::copyToClipboard(folder);
    ui::MsgBox(QStringLiteral("เปิดโปรแกรมจัดการไฟล์ไม่ได้ ชุดคำศัพท์ที่สร้างเองอยู่ในโฟลเดอร์นี้ "
                              "(คัดลอกที่อยู่ไว้ให้แล้ว นำไปวางได้เลย):\n%1\n\n"
                              "No file manager answered. Your word lists are in this folder (its "
                              "path is on the clipboard, ready to paste):\n%1")
                   .arg(folder),
               ui::vbOKInformation);
}

} // namespace lists_folder
