// The review list on the main window: read as the window loads, saved at every change, and
// counted in its menu item.
#include "game/game_window.h"

#include "storage/review_file.h"
#include "ui/file_system.h"
#include "ui/message_box.h"
#include "ui/set_aside.h"

#include <QAction>

namespace {

// Each trouble with the list is told once while the program runs, however often the window loads
// or the list is saved; once for each data folder.
void tellOnce(const QString &text)
{
    static QStringList told;
    const QString key = ui::userDataFolder() + QLatin1Char('\n') + text;
    if (told.contains(key))
        return;
    told.append(key);
    ui::MsgBox(text, ui::vbOKExclamation);
}

} // namespace

// A list that cannot be read is set aside, never deleted, and a new one begins (a refused file
// gives no entries): the game goes on.
void GameWindow::RetrieveReviewList()
{
    const QString path = review_file::path();
    review_file::Contents contents = review_file::read(path);
    if (!contents.ok() && contents.problem != vocabulary_file::Problem::Missing) {
        const QString keptAs = ui::setAside(path);
        tellOnce(review_file::describeProblem(contents,
                                              keptAs.isNull() ? QString() : ui::shortName(keptAs)));
    }
    m_game.TakeReviewList({std::move(contents.entries), std::move(contents.boxes)});
    showReviewItem();
}

// Saved whole at every change; a save that fails (a full disk, a folder that cannot be written)
// leaves the list saved before as it was.
void GameWindow::SaveReviewList()
{
    ui::makeFolder(ui::userDataFolder());
    const game::ReviewList &list = m_game.state().reviewList;
    const QString reason = ui::writeFileAtomically(review_file::path(),
                                                   review_file::text(list.entries(), list.boxes()));
    if (!reason.isNull())
        tellOnce(review_file::describeSaveFailure(reason));
    showReviewItem();
}

void GameWindow::showReviewItem()
{
    const qsizetype waiting = m_game.state().reviewList.size();
    mnuReview->setText(QStringLiteral("ทบทวนคำที่เคยผิด (%1)").arg(waiting));
    mnuReview->setEnabled(waiting > 0);
}
