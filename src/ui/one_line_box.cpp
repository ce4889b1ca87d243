#include "ui/one_line_box.h"

#include "ui/text_lines.h"

#include <QValidator>

namespace ui {
namespace {

// Every way text enters a line edit passes its validator, which may change the text.
class JoinLines : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &text, int &position) const override
    {
        const QString joined = joinLines(text);
        if (joined != text) {
            position = static_cast<int>(joinLines(QStringView(text).left(position)).size());
            text = joined;
        }
        return Acceptable;
    }
};

} // namespace

OneLineBox::OneLineBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new JoinLines(this));
}

void OneLineBox::setStoredText(const QString &text)
{
    const QValidator *joining = validator();
    setValidator(nullptr);
    setText(text);
    setValidator(joining);
}

} // namespace ui
