#include "dialogs/switching/TSpanningTreeAlgorithmForm.h"

#include "dialogs/generic/TProgressForm.h"
#include "tables/SpanningTreeDialogTables.h"

#include <QComboBox>
#include <QLabel>

namespace {

constexpr DedicatedField kControl[] = {{0, "ComboBox1", "Spanning Tree Algorithm", DedicatedField::DropDown}};
constexpr DedicatedField kReadState[] = {{0, "ST_StpState", nullptr, DedicatedField::HiddenText}};

} // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Spanning Tree Algorithm", .status = StatusOutput::StatusBar, .size = {420, 160}})
{
    runCreation([this] {
        m_state = &addBinding(SpanningTreeDialogTables::state);
        addFields(*m_state, kControl);
        m_readState = &addBinding(SpanningTreeDialogTables::state);
        addFields(*m_readState, kReadState);
        // Refresh renews the state Set compares with too: it may have changed elsewhere.
        addButton("Refresh", "btnRefresh", [this] { readAgain(); });
        addButton("Set", "btnSet", [this] { set(); });
        readAgain();
    });
}

void TSpanningTreeAlgorithmForm::readAgain()
{
    refreshBinding(m_state);
    refreshBinding(m_readState);
}

void TSpanningTreeAlgorithmForm::set()
{
    const QString chosen = control<QComboBox>("ComboBox1")->currentText();
    const DedicatedWrite state{.binding = m_state,
                               .readBack = DedicatedWrite::ReadBack::Never,
                               .succeeded = [this] { readAgain(); }};
    if (chosen == QLatin1String("disabled")) {
        write(state);
        return;
    }
    if (chosen != QLatin1String("enabled") || control<QLabel>("ST_StpState")->text() == QLatin1String("enabled"))
        return;
    if (!ask(QStringLiteral("Confirm"), QStringLiteral("To enable STP may take a long time. Do you want to go on?"))) {
        readAgain();
        return;
    }
    TProgressForm progress(this);
    progress.setWindowTitle(QStringLiteral("Enable STP Progress"));
    progress.setPrompt(QStringLiteral("Enable STP is doing..."));
    // The read follows the write's own completion, while the progress shows.
    write(state);
    runModal(progress);
}
