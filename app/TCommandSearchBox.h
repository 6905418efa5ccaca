#pragma once

#include "app/cli/CliCommandSearch.h"

#include <QLineEdit>
#include <functional>

class QListWidget;

// The main window's search field: the commands matching what is typed (their
// paths and the fields that matched) in a list under it, best first; Up and
// Down choose, Enter opens the chosen one (or the first), Escape leaves.
class TCommandSearchBox final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCommandSearchBox)
public:
    using Open = std::function<void(const CommandRecord &record)>;

    TCommandSearchBox(const CliCommandFinder &finder, Open open, QWidget *parent = nullptr);

    QListWidget *results() const { return m_results; }
    // Opens the chosen match (the first when none is chosen); false: none.
    bool openChosen();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void search(const QString &text);

    CliCommandSearch m_search;
    Open m_open;
    QList<CliCommandSearch::Match> m_matches;
    QListWidget *m_results = nullptr;
};
