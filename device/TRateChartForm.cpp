#include "device/TRateChartForm.h"

#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QStringList namesOf(const QList<TRateChartForm::Series> &series, bool units)
{
    QStringList names;
    for (const TRateChartForm::Series &s : series)
        names << QString::fromLatin1(units ? s.unit : s.name);
    return names;
}

QList<QxCounterRates::Series> ratesOf(const QList<TRateChartForm::Series> &series)
{
    QList<QxCounterRates::Series> rates;
    for (const TRateChartForm::Series &s : series)
        rates << s.rate;
    return rates;
}

} // namespace

TRateChartForm::TRateChartForm(QWidget *parent, const QString &caption, const QList<Series> &series,
                               std::initializer_list<Chart> charts)
    : QWidget(parent, Qt::Window), m_history(namesOf(series, false), namesOf(series, true)), m_rates(ratesOf(series)),
      m_controls(new QHBoxLayout), m_pause(new QPushButton(QStringLiteral("Pause"))), m_status(new QLabel)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_controls);
    for (const Chart &c : charts) {
        auto *chart = new QxRateChart(m_history, c.series, c.unit, QString::fromLatin1(c.title));
        chart->setObjectName(QStringLiteral("Chart%1").arg(m_charts.size() + 1));
        layout->addWidget(chart, 1);
        m_charts << chart;
    }
    m_status->setObjectName(QStringLiteral("StatusLine"));
    layout->addWidget(m_status);
    resize(780, 260 + 210 * int(charts.size()));

    m_pause->setObjectName(QStringLiteral("btnPause"));
    m_pause->setCheckable(true);
    auto *exportButton = new QPushButton(QStringLiteral("Export CSV…"));
    exportButton->setObjectName(QStringLiteral("btnExport"));
    m_controls->addStretch(1);
    m_controls->addWidget(m_pause);
    m_controls->addWidget(exportButton);
    connect(m_pause, &QPushButton::toggled, this, &TRateChartForm::setPaused);
    connect(exportButton, &QPushButton::clicked, this, &TRateChartForm::exportClicked);
    m_clock.start();
}

TRateChartForm::~TRateChartForm() = default;

void TRateChartForm::addSample(QxCounterSample sample)
{
    if (m_paused)
        return;
    sample.atMs = m_clock.elapsed();
    if (const std::optional<QxCounterRates::Rates> rates = m_rates.take(sample))
        addPoint(*rates);
}

void TRateChartForm::addMissedSample()
{
    QxCounterSample missed;
    missed.missed = true;
    addSample(missed);
}

void TRateChartForm::addPoint(const QList<std::optional<double>> &rates)
{
    const double seconds = double(m_clock.elapsed()) / 1000.0;
    m_history.add(seconds, QDateTime::currentDateTime(), rates);
    for (QxRateChart *chart : std::as_const(m_charts))
        chart->update();
    emit pointAdded(seconds, rates);
}

void TRateChartForm::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    m_pause->setChecked(paused);
    m_pause->setText(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    // The time paused is no part of any rate.
    if (!paused)
        restartMeasuring();
}

void TRateChartForm::restartMeasuring()
{
    m_rates.restart();
    if (!m_history.isEmpty())
        addPoint(QList<std::optional<double>>(m_history.seriesNames().size()));
}

bool TRateChartForm::exportCsv(const QString &fileName) const
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QByteArray text = m_history.toCsv().toUtf8();
    return file.write(text) == text.size() && file.flush();
}

void TRateChartForm::exportClicked()
{
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), QString(),
                                                          QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (fileName.isEmpty())
        return;
    if (!exportCsv(fileName))
        QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("Can not write %1.").arg(fileName));
}
