#include "ui/control_array.h"

#include "ui/twips.h"

namespace ui {

void copyLabelProperties(const QLabel &from, QLabel &to)
{
    to.setTextFormat(from.textFormat());
    to.setText(from.text());
    to.setPalette(from.palette());
    to.setAutoFillBackground(from.autoFillBackground());
    to.setFont(from.font());
    place(&to, {0, 0, placed(&from).width, placed(&from).height});
    to.setFrameStyle(from.frameStyle());
    to.setLineWidth(from.lineWidth());
    to.setAlignment(from.alignment());
    to.setWordWrap(from.wordWrap());
    to.setEnabled(from.isEnabled());
    to.setCursor(from.cursor());
    to.setFocusPolicy(from.focusPolicy());
}

} // namespace ui
