#include "app/cli/CliAssignments.h"

#include "app/cli/CliError.h"
#include "format/QxEditFormat.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPVarList.h"

#include <QSet>

int CliAssignments::position(const QxSNMPVarList &list, const QString &name)
{
    const QString wanted = name.trimmed();
    if (wanted.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int n = wanted.mid(1).toInt(&ok);
        if (ok && n >= 0 && n < list.count())
            return n;
        throw CliError(QStringLiteral("\"%1\": the command's variables are #0 to #%2").arg(wanted).arg(list.count() - 1));
    }
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i).caption.trimmed() == wanted)
            return i;
    }
    QStringList captions;
    for (int i = 0; i < list.count(); ++i)
        captions.append(list.item(i).caption.trimmed());
    throw CliError(QStringLiteral("The command has no variable \"%1\"; it has: %2")
                       .arg(wanted, captions.join(QStringLiteral(", "))));
}

QString CliAssignments::formatOf(const CommandRecord &record, int row)
{
    for (const RowFormat *f = record.formats; f && f->format; ++f) {
        if (f->row == row)
            return QString::fromLatin1(f->format);
    }
    return QString();
}

QString CliAssignments::checkedValue(const CommandRecord &record, const QxSNMPVarList &list, int position,
                                     const QString &text)
{
    const QxSNMPVariable &v = list.item(position);
    // The editor page sends nothing when a ticked row is empty.
    if (text.isEmpty())
        throw CliError(QStringLiteral("Some items are empty!"), CliError::RefusedStatus);

    if (v.optionList) {
        // A drop-down row: the word, or the value behind it, picks the choice.
        const int choice = v.optionList->selectionIndex(text);
        if (choice < 0)
            throw CliError(QStringLiteral("%1: \"%2\" is not one of: %3")
                               .arg(v.caption.trimmed(), text, v.optionList->texts().join(QStringLiteral(", "))),
                           CliError::RefusedStatus);
        return v.optionList->item(choice).text;
    }

    const QString format = formatOf(record, position);
    if (format.isEmpty()) {
        // A number row without a format of its own takes whole numbers of its type only.
        QString sent = text;
        const QxEditFormat::ExitOutcome number = QxEditFormat::checkWholeNumber(text, v.syntax, &sent);
        if (number.result == QxEditFormat::ExitOutcome::Fail)
            throw QxSNMPException(number.code, number.message);
        return sent;
    }
    const QxEditFormat constraint = QxEditFormat::parse(format);
    const QxEditFormat::ChangeOutcome change = constraint.checkChange(text);
    if (change.refused || change.action == QxEditFormat::ChangeOutcome::Advance)
        throw CliError(QStringLiteral("%1: the edit takes no such characters: \"%2\"").arg(v.caption.trimmed(), text),
                       CliError::RefusedStatus);
    const QxEditFormat::ExitOutcome exit = constraint.checkExit(text);
    if (exit.result == QxEditFormat::ExitOutcome::Fail)
        throw QxSNMPException(exit.code, exit.message);
    QString kept = text;
    int cursor = int(kept.size());
    if (constraint.limitLength(QString(), kept, cursor))
        throw CliError(QStringLiteral("%1: the edit takes at most %2 characters")
                           .arg(v.caption.trimmed())
                           .arg(constraint.length()),
                       CliError::RefusedStatus);
    return text;
}

QList<CliAssignments::Assignment> CliAssignments::parse(const CommandRecord &record, const QxSNMPVarList &list,
                                                        const QStringList &words, Purpose purpose)
{
    QList<Assignment> result;
    QSet<int> named;
    const bool table = list.isTableKind();
    for (const QString &word : words) {
        const qsizetype eq = word.indexOf(QLatin1Char('='));
        const int i = position(list, word.left(eq));
        const QString caption = list.item(i).caption.trimmed();
        if (named.contains(i))
            throw CliError(QStringLiteral("%1 is named twice").arg(caption));
        named.insert(i);
        const bool key = table && i < list.keyCount();
        const bool status = table && i == record.rowStatusColumn;
        // The add dialog locks the status row to the add status.
        if (status && purpose == Purpose::Add)
            throw CliError(QStringLiteral("%1 is written by add itself").arg(caption));
        if (!list.isWritable(i) || (key && purpose == Purpose::Edit))
            throw CliError(QStringLiteral("%1 cannot be changed").arg(caption));
        const QString value = checkedValue(record, list, i, word.mid(eq + 1));
        // The edit dialog's status list lacks the add and delete statuses.
        if (status && (value == QLatin1String(AddStatusText) || value == QLatin1String(DeleteStatusText)))
            throw CliError(QStringLiteral("%1: \"%2\" is for add and delete only").arg(caption, value),
                           CliError::RefusedStatus);
        result.append({i, value});
    }
    if (purpose == Purpose::Add) {
        // The new row's index is formed from every key column.
        for (int k = 0; k < list.keyCount() && k < list.count(); ++k) {
            if (!named.contains(k))
                throw CliError(QStringLiteral("add needs the key %1=VALUE").arg(list.item(k).caption.trimmed()));
        }
    }
    return result;
}
