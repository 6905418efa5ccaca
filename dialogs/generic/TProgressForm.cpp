#include "dialogs/generic/TProgressForm.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget *callingDialog) : QDialog(callingDialog)
{
    setWindowTitle(QStringLiteral("Progress"));
    // No title-bar buttons: the dialog ends by itself.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    LB_Prompt = new QLabel(this);
    LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, BarMaximum);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setMinimumWidth(300);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LB_Prompt);
    layout->addWidget(ProgressBar);

    ProgressTimer.setObjectName(QStringLiteral("ProgressTimer"));
    ProgressTimer.setInterval(1000);
    connect(&ProgressTimer, &QTimer::timeout, this, &TProgressForm::tick);
    ProgressTimer.start();

    if (const QWidget *main = callingDialog ? callingDialog->window() : QApplication::activeWindow())
        move(main->geometry().center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
}

TProgressForm::~TProgressForm() = default;

void TProgressForm::setPrompt(const QString &prompt)
{
    LB_Prompt->setText(prompt);
}

QString TProgressForm::prompt() const
{
    return LB_Prompt->text();
}

int TProgressForm::position() const
{
    return ProgressBar->value();
}

void TProgressForm::tick()
{
    if (ProgressBar->value() >= m_tickLimit) {
        close();
        return;
    }
    ProgressBar->setValue(ProgressBar->value() + 1);
    if (ProgressBar->value() == ProgressBar->maximum())
        ProgressBar->setValue(ProgressBar->minimum());
}

void TProgressForm::done(int result)
{
    ProgressTimer.stop();
    QDialog::done(result);
}
