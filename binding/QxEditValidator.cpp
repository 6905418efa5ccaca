#include "binding/QxEditValidator.h"

#include <algorithm>

QxEditValidator::QxEditValidator(QxEditFormat format, QLineEdit *edit, std::function<void()> onRefused)
    : m_format(std::move(format)), m_edit(edit), m_onRefused(std::move(onRefused)), m_previous(edit->text())
{
    // Read the edit, not the signal's argument: a handler that replaces the text
    // while the signal is being delivered makes the argument stale.
    connect(edit, &QLineEdit::textChanged, this, [this] {
        if (m_edit)
            m_previous = m_edit->text();
    });
}

QValidator::State QxEditValidator::validate(QString &input, int &pos) const
{
    // The line edit counts a text as modified only while the user's own edits
    // are in it; a text set by the program arrives unmodified.
    if (m_edit && m_edit->isModified()) {
        m_format.limitLength(m_previous, input, pos);
        const QxEditFormat::ChangeOutcome outcome = m_format.checkChange(input);
        if (outcome.action == QxEditFormat::ChangeOutcome::Advance
            || outcome.action == QxEditFormat::ChangeOutcome::Refuse) {
            const auto before = std::count_if(outcome.removedAt.begin(), outcome.removedAt.end(),
                                              [pos](int at) { return at < pos; });
            input = outcome.text;
            pos = std::clamp(pos - int(before), 0, int(input.size()));
            if (outcome.action == QxEditFormat::ChangeOutcome::Advance)
                m_advance = true;
            if (outcome.refused && m_onRefused)
                m_onRefused();
        }
    }
    return m_chained ? m_chained->validate(input, pos) : Acceptable;
}

void QxEditValidator::fixup(QString &input) const
{
    if (m_chained)
        m_chained->fixup(input);
}

bool QxEditValidator::takeAdvanceRequest()
{
    const bool advance = m_advance;
    m_advance = false;
    return advance;
}
