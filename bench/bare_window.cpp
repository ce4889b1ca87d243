#include "bare_window.h"

#include "ui/fonts.h"

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include <initializer_list>

namespace bare_window {
namespace {

QLabel *label(QWidget *parent, const QString &caption, const QFont &font, QRect place)
{
    auto *made = new QLabel(caption, parent);
    made->setFont(font);
    made->setGeometry(place);
    return made;
}

void addMenu(QMainWindow *window, const QString &title, std::initializer_list<QString> items)
{
    QMenu *menu = window->menuBar()->addMenu(title);
    for (const QString &item : items)
        menu->addAction(item);
}

void addMainWindowCaptions(QMainWindow *window, QWidget *client)
{
    addMenu(window, QStringLiteral("เลือกคำศัพท์"),
            {QStringLiteral("เลือกคำศัพท์ของโปรแกรม"), QStringLiteral("Things in the &House"),
             QStringLiteral("Things at &School"), QStringLiteral("&Animals"),
             QStringLiteral("เลือกคำศัพท์ที่สร้างเอง"), QStringLiteral("E&xit")});
    addMenu(window, QStringLiteral("สร้างคำศัพท์"),
            {QStringLiteral("สร้างคำศัพท์ขุดใหม่"), QStringLiteral("แก้ไขคำศัพท์ที่สร้างไว้แล้ว")});
    addMenu(window, QStringLiteral("วิธีใช้โปรแกรม"),
            {QStringLiteral("สารบัญ"), QStringLiteral("เกี่ยวกับโปรแกรม")});

    const QFont keyFont = ui::font(QStringLiteral("MS Sans Serif"), 12, true);
    for (int i = 0; i < 26; ++i)
        label(client, QString(QChar(u'A' + i)), keyFont,
              {16 + (i % 13) * 33, 24 + (i / 13) * 29, 33, 29});
    const QFont slotFont = ui::font(QStringLiteral("MS Sans Serif"), 12);
    for (int i = 0; i < 6; ++i)
        label(client, {}, slotFont, {16 + i * 39, 96, 39, 27});
    auto *hint = new QPushButton(QStringLiteral("Give me a hint."), client);
    hint->setGeometry(200, 157, 105, 25);
    auto *another = new QPushButton(QStringLiteral("Another hint, please."), client);
    another->setGeometry(200, 184, 105, 25);
    const QFont plain = ui::font(QStringLiteral("MS Sans Serif"), 8);
    label(client, {}, plain, {312, 157, 241, 25});
    label(client, {}, plain, {312, 184, 241, 25});
    label(client, QStringLiteral("กำลังใช้ข้อมูลจากไฟล์  school.txt"), plain, {312, 137, 241, 17});
    label(client, QStringLiteral("Your Score:"), plain, {488, 24, 57, 17});
    label(client, QStringLiteral("0"), ui::font(QStringLiteral("CordiaUPC"), 36, true),
          {488, 40, 57, 57});
    label(client, QStringLiteral("YOUR DIFFICULT WORDS:"), plain, {416, 216, 137, 17});
    auto *list = new QListWidget(client);
    list->setGeometry(424, 232, 121, 116);
    auto *picture = new QLabel(client);
    picture->setGeometry(16, 157, 172, 209);
    picture->setPixmap(QPixmap(QStringLiteral(":/resources/beach.jpg"))
                           .scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The splash's captions in its fonts, beside the main window's, with its smaller photograph.
void addSplashCaptions(QWidget *client)
{
    const QString arial = QStringLiteral("Arial");
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const int left = 600;
    label(client, QStringLiteral("Pindrel"), ui::font(arial, 32.25, true), {left + 96, 16, 225, 51});
    label(client, QStringLiteral("Learn English, one letter at a time"),
          ui::font(arial, 14.25, true), {left + 46, 64, 325, 22});
    label(client, QStringLiteral("Version 1.0.0"), ui::font(arial, 12, true), {left + 160, 88, 98, 19});
    label(client, QStringLiteral("for Windows"), ui::font(sansSerif, 9.75), {left + 168, 104, 81, 17});
    label(client, QStringLiteral("Vokabin"), ui::font(QStringLiteral("CordiaUPC"), 36, true),
          {left + 104, 168, 217, 89});
    label(client, QStringLiteral("ทายคำศัพท์ สนุกได้ความรู้"), ui::font(sansSerif, 12, true),
          {left + 112, 216, 193, 22});
    label(client, QStringLiteral("สร้างด้วยความตั้งใจเพื่อนักเรียนไทยทุกคน"), ui::font(sansSerif, 8.25),
          {left + 56, 240, 305, 17});
    auto *picture = new QLabel(client);
    picture->setGeometry(left + 16, 152, 76, 81);
    picture->setPixmap(QPixmap(QStringLiteral(":/resources/beach.jpg"))
                           .scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

QMainWindow *make(Captions captions)
{
    auto *window = new QMainWindow;
    window->setWindowTitle(QStringLiteral("Bare window"));
    auto *client = new QWidget(window);
    const bool withSplash = captions == Captions::MainWindowAndSplash;
    client->setFixedSize(withSplash ? 1020 : 589, 373);
    window->setCentralWidget(client);
    addMainWindowCaptions(window, client);
    if (withSplash)
        addSplashCaptions(client);
    return window;
}

} // namespace bare_window
