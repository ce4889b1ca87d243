#pragma once

#include "ui/forms.h"

#include <QWidget>

class QLabel;
class QPushButton;
namespace ui {
class ListenButton;
}

// The meaning popup: form "frmShowMeaning". One instance, shown and hidden, its captions
// replaced for each word.
class ShowMeaning : public QWidget, public ui::Form
{
    Q_OBJECT

public:
    static constexpr const char *formName = "frmShowMeaning";

    ShowMeaning();
    // The two captions, and the English the listen button speaks (the word, then its sentence).
    void setCaptions(const QString &meaning, const QString &sentence, const QStringList &spoken);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void fitText();

    QLabel *lblMeaning = nullptr;
    QLabel *lblSentence = nullptr;
    QPushButton *cmdOK = nullptr;
    ui::ListenButton *cmdListen = nullptr;
};
