// Every dialog of the menus (generic and dedicated), opened through the menu's
// dispatch at its default size, read once from the simulator and with the
// first row of each list selected, shows whole the values an engineer reads
// or types: no shown edit, label, static text, drop-down list or check box
// holds a text wider than its control, an edit has room for the longest
// value its input format takes (eight characters where the format sets no
// length), no list column is narrower than its caption, a list has room for
// six rows and scrolls its columns only at the widest its window opens, and
// no editor needs a horizontal scroll bar. A picture of every dialog goes to
// <build>/artifacts/dialogs/ for review.
//
// The dialogs are split into a few shards, each a test of its own, so that
// CTest runs them side by side.
#include "common/PlacedRecords.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "app/CommandDispatcher.h"
#include "app/DriverControls.h"
#include "app/DriverWindows.h"
#include "app/SharedMainWindow.h"
#include "binding/QxColumnFitter.h"
#include "binding/QxControllerHost.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TEditsPanel.h"
#include "tables/CommandCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

constexpr int Shards = 4;
// What an edit without a length in its format is to show whole ("08:00:00").
constexpr int UnformattedLength = 8;
// The rows a list has room for at the least.
constexpr int ShownRows = 6;
// Pixels a text may overhang its room before it counts as cut: the styles'
// own inner margins are not all measured here.
constexpr int Tolerance = 2;

std::vector<PlacedRecords::Placed> dialogCommands()
{
    std::vector<PlacedRecords::Placed> found;
    for (const PlacedRecords::Placed &p : PlacedRecords::place(CommandCatalogue::groups()))
        if (CommandDispatcher::opensDialog(*p.record))
            found.push_back(p);
    return found;
}

QString oneLine(const QString &text)
{
    return QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// "  CLASS NAME" to start a report line on a control.
QString named(const QWidget *w)
{
    return QStringLiteral("  %1 %2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// The room a line edit gives its text: what its style leaves inside the
// frame, less the edit's own text margins and the two pixels it keeps each side.
int roomOf(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QRect r = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins m = edit->textMargins();
    return r.width() - m.left() - m.right() - 2 * 2;
}

int roomOf(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    option.subControls = QStyle::SC_All;
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
}

// A check box's or radio button's caption: what its style leaves beside the indicator.
int roomOf(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<const QRadioButton *>(button) != nullptr;
    return button->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button)
        .width();
}

int roomOf(const QLabel *label)
{
    return label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
}

// The longest value an edit takes, as digits: as its format says, else
// UnformattedLength.
QString sampleFor(const QLineEdit *edit, const QList<QxSNMPRequest2Edits *> &bindings)
{
    int length = 0;
    for (QxSNMPRequest2Edits *binding : bindings)
        if (const QxEditFormat *format = binding->constraint().format(const_cast<QLineEdit *>(edit)))
            length = format->widestLength(TEditsPanel::LongestSampledText);
    return QString(length > 0 ? length : UnformattedLength, QLatin1Char('0'));
}

// The widest line of a plain text.
int widthOf(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// One line per control of the dialog whose shown text is wider than its room.
QStringList cutControls(QDialog &dialog, const QList<QxSNMPRequest2Edits *> &bindings)
{
    QStringList cut;
    const auto check = [&cut](const QWidget *w, const QString &text, int room) {
        const int needed = widthOf(w->fontMetrics(), text);
        if (!text.isEmpty() && needed > room + Tolerance)
            cut << named(w)
                       + QStringLiteral(" \"%1\": text %2 px, room %3 px").arg(oneLine(text)).arg(needed).arg(room);
    };
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&dialog))
            continue;
        if (const auto *edit = qobject_cast<const QLineEdit *>(w)) {
            // What it shows, or, while empty and open to typing, what it takes.
            const bool typed = edit->isEnabled() && !edit->isReadOnly() && edit->echoMode() == QLineEdit::Normal;
            check(edit, edit->text().isEmpty() && typed ? sampleFor(edit, bindings) : edit->displayText(),
                  roomOf(edit));
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(w);
                 button && (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)))
            check(button, QString(button->text()).remove(QLatin1Char('&')), roomOf(button));
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            check(combo, combo->currentText(), roomOf(combo));
        else if (const auto *label = qobject_cast<const QLabel *>(w);
                 label && !label->wordWrap() && label->textFormat() != Qt::RichText && !label->text().contains('<'))
            check(label, label->text(), roomOf(label));
        else if (const auto *list = qobject_cast<const QTreeWidget *>(w)) {
            const QHeaderView *header = list->header();
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int c = 0; c < list->columnCount(); ++c)
                if (!header->isSectionHidden(c) && header->sectionSize(c) > 0)
                    check(list, list->headerItem()->text(c), header->sectionSize(c) - 2 * margin);
            // A list shows six rows at the least (all of them when it has fewer).
            const int rows = std::min(ShownRows, list->topLevelItemCount());
            const int rowHeight = rows > 0 ? list->visualItemRect(list->topLevelItem(0)).height() : 0;
            if (rowHeight > 0 && list->viewport()->height() < rows * rowHeight)
                cut << named(list)
                           + QStringLiteral(": room for %1 rows only").arg(list->viewport()->height() / rowHeight);
            // Only a window as wide as it may open scrolls its columns.
            if (list->horizontalScrollBar()->maximum() > 0
                && dialog.width() < QxColumnFitter::widestWindow(&dialog) - Tolerance)
                cut << named(list)
                           + QStringLiteral(": columns %1 px wider than the list, dialog %2 px wide")
                                 .arg(list->horizontalScrollBar()->maximum())
                                 .arg(dialog.width());
        } else if (const auto *area = qobject_cast<const QScrollArea *>(w);
                   area && area->horizontalScrollBar()->maximum() > 0)
            cut << named(area)
                       + QStringLiteral(": needs a horizontal scroll bar (%1 px wider than its view)")
                             .arg(area->horizontalScrollBar()->maximum());
    }
    return cut;
}

QString pictureFile(const QStringList &path)
{
    QString name = path.join(QStringLiteral(" - "));
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 ._+-]")), QStringLiteral("_"));
    return QDir(QStringLiteral(NX_BIN_DIR "/../artifacts/dialogs")).absoluteFilePath(name + QStringLiteral(".png"));
}

QList<QxSNMPRequest2Edits *> bindingsOf(const QDialog &dialog)
{
    QList<QxSNMPRequest2Edits *> bindings;
    if (const auto *host = dynamic_cast<const QxControllerHost *>(&dialog))
        for (QxSNMPRequest2Controls *c : host->controllers())
            if (auto *edits = dynamic_cast<QxSNMPRequest2Edits *>(c))
                bindings << edits;
    return bindings;
}

bool idle(const QDialog &dialog)
{
    const QList<QxSNMPRequest2Edits *> all = bindingsOf(dialog);
    return std::none_of(all.begin(), all.end(), [](const QxSNMPRequest2Edits *c) { return c->busy(); });
}

// A list's first row selected, as an engineer looks at a row in the editor.
void selectFirstRows(QDialog &dialog)
{
    for (QTreeWidget *list : dialog.findChildren<QTreeWidget *>())
        if (list->isVisibleTo(&dialog) && list->topLevelItemCount() > 0)
            list->setCurrentItem(list->topLevelItem(0));
}

class DialogLayout : public SharedMainWindow, public ::testing::WithParamInterface<int>
{
};

TEST_P(DialogLayout, ShowsWholeTheValuesAtTheDefaultSize)
{
    const std::vector<PlacedRecords::Placed> commands = dialogCommands();
    ASSERT_EQ(commands.size(), 240u);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pictureFile({QStringLiteral("x")})).path()));
    QStringList report;
    for (size_t i = size_t(GetParam()); i < commands.size(); i += Shards) {
        const PlacedRecords::Placed &p = commands[i];
        std::unique_ptr<QDialog> dialog = mainForm->dispatcher().openDialog(*p.record);
        ASSERT_NE(dialog, nullptr) << p.path.join(" > ").toStdString();
        // Any box the dialog raises is answered and named on stderr.
        DriverWindows boxes(dialog.get(), stderr);
        dialog->show();
        // A generic dialog starts its first read once it is on screen; a
        // dedicated one while it is built. Either reports it in its status output.
        TestSupport::waitUntil(
            [&] { return !DriverControls::statusTexts(dialog.get()).isEmpty() && idle(*dialog); }, 5000);
        selectFirstRows(*dialog);
        TestSupport::waitUntil([&] { return idle(*dialog); }, 5000);
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog->grab().save(pictureFile(p.path)));
        // Each page of a page control is looked at in turn.
        QStringList cut = cutControls(*dialog, bindingsOf(*dialog));
        for (QTabWidget *pages : dialog->findChildren<QTabWidget *>()) {
            for (int page = 0; pages->isVisibleTo(dialog.get()) && page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QCoreApplication::processEvents();
                cut << cutControls(*dialog, bindingsOf(*dialog));
            }
        }
        cut.removeDuplicates();
        if (!cut.isEmpty())
            report << QStringLiteral("%1 (%2 x %3):")
                          .arg(p.path.join(QStringLiteral(" > ")))
                          .arg(dialog->width())
                          .arg(dialog->height())
                   << cut;
        dialog->close();
    }
    EXPECT_TRUE(report.isEmpty()) << report.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogLayout, ::testing::Range(0, Shards));

} // namespace
