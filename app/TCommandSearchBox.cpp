#include "app/TCommandSearchBox.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {
constexpr int ShownMatches = 12;
} // namespace

TCommandSearchBox::TCommandSearchBox(const CliCommandFinder &finder, Open open, QWidget *parent)
    : QLineEdit(parent), m_search(finder), m_open(std::move(open))
{
    setObjectName(QStringLiteral("edSearch"));
    setPlaceholderText(QStringLiteral("Find a command (Ctrl+K)"));
    setClearButtonEnabled(true);
    setMinimumWidth(fontMetrics().horizontalAdvance(placeholderText()) + 40);
    // A list of its own over the window, under the field, never taking the focus.
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("lvSearchResults"));
    m_results->setWindowFlags(Qt::ToolTip);
    m_results->setFocusPolicy(Qt::NoFocus);
    m_results->setAttribute(Qt::WA_ShowWithoutActivating);
    connect(m_results, &QListWidget::itemClicked, this, [this] { openChosen(); });
    connect(this, &QLineEdit::textEdited, this, &TCommandSearchBox::search);
    connect(this, &QLineEdit::returnPressed, this, [this] { openChosen(); });
}

void TCommandSearchBox::search(const QString &text)
{
    m_matches = m_search.find(text);
    m_results->clear();
    for (const CliCommandSearch::Match &m : std::as_const(m_matches).mid(0, ShownMatches)) {
        QString line = m.command->path;
        if (!m.fields.isEmpty())
            line += QStringLiteral("  \u2014  ") + m.fields.join(QStringLiteral(", "));
        m_results->addItem(line);
    }
    if (m_results->count() == 0) {
        m_results->hide();
        return;
    }
    m_results->setCurrentRow(0);
    const int rowHeight = m_results->sizeHintForRow(0);
    const int listWidth = std::max(width(), std::min(900, m_results->sizeHintForColumn(0) + 24));
    m_results->resize(listWidth, rowHeight * m_results->count() + 2 * m_results->frameWidth() + 4);
    // Under the field, its right edge on the field's.
    m_results->move(mapToGlobal(QPoint(width() - listWidth, height())));
    m_results->show();
}

bool TCommandSearchBox::openChosen()
{
    const int row = m_results->isVisible() ? std::max(0, m_results->currentRow()) : 0;
    if (row >= m_matches.size())
        return false;
    const CommandRecord &record = *m_matches.at(row).command->record;
    m_results->hide();
    clear();
    m_matches.clear();
    if (m_open)
        m_open(record);
    return true;
}

void TCommandSearchBox::keyPressEvent(QKeyEvent *event)
{
    if (m_results->isVisible() && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up)) {
        const int step = event->key() == Qt::Key_Down ? 1 : -1;
        m_results->setCurrentRow(std::clamp(m_results->currentRow() + step, 0, m_results->count() - 1));
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        m_results->hide();
        clear();
        clearFocus();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TCommandSearchBox::focusOutEvent(QFocusEvent *event)
{
    m_results->hide();
    QLineEdit::focusOutEvent(event);
}
