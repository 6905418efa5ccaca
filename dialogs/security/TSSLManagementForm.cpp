#include "dialogs/security/TSSLManagementForm.h"

#include "binding/QxCipherSuiteBits.h"
#include "tables/SslSafeguardDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

namespace Column = SslSafeguardDialogTables::SslColumn;

constexpr DedicatedField kFields[] = {
    {Column::Status, "cbxSSLVersion", "SSL Status", DedicatedField::DropDown},
    {Column::CacheTimeout, "edtCacheTimeOut", "Cache Time Out", DedicatedField::Edit, "%i{n60x86400l5}"},
    {Column::CipherSuites, "edtciphersuites", nullptr, DedicatedField::HiddenEdit, "%s{l2}"},
};

struct Suite
{
    const char *objectName;
    const char *label;
};
constexpr Suite kSuites[QxCipherSuiteBits::Count] = {
    {"cbxciphersuites1", "RSA-with-RC4-128-MD5"},
    {"cbxciphersuites2", "RSA-with-3DES-EDE-CBC-SHA"},
    {"cbxciphersuites3", "DHE-DSS-with-3DES-EDE-CBC-SHA"},
    {"cbxciphersuites4", "RSA-EXPORT-with-RC4-40-MD5"},
};
// Item positions in a suite's list.
constexpr int SuiteDisabled = 0;
constexpr int SuiteEnabled = 1;

} // namespace

TSSLManagementForm::TSSLManagementForm(QWidget *parent)
    : TDedicatedForm(parent,
                     {.caption = "SSL Management Table", .status = StatusOutput::StatusBar, .size = {600, 260}})
{
    runCreation([this] {
        m_ssl = &addBinding(SslSafeguardDialogTables::ssl, {.synchronous = true});
        addFields(*m_ssl, kFields);
        for (size_t i = 0; i < m_suites.size(); ++i) {
            auto *suite = new QComboBox;
            suite->setObjectName(QString::fromLatin1(kSuites[i].objectName));
            suite->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
            // Nothing chosen until the switch has told.
            suite->setCurrentIndex(-1);
            addToEditor(kSuites[i].label, suite);
            m_suites[i] = suite;
        }
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Set", "btnSet", [this] { set(); });
        refresh();
    });
}

void TSSLManagementForm::refresh()
{
    if (refreshBinding(m_ssl))
        showSuites();
}

void TSSLManagementForm::showSuites()
{
    const auto suites = QxCipherSuiteBits::decode(control<QLineEdit>("edtciphersuites")->text());
    if (!suites)
        return;
    for (size_t i = 0; i < m_suites.size(); ++i)
        m_suites[i]->setCurrentIndex((*suites)[i] ? SuiteEnabled : SuiteDisabled);
}

void TSSLManagementForm::set()
{
    auto *status = control<QComboBox>("cbxSSLVersion");
    auto *timeout = control<QLineEdit>("edtCacheTimeOut");
    const auto anyEmpty = [&] {
        return status->currentIndex() < 0 || timeout->text().isEmpty() ||
               std::any_of(m_suites.begin(), m_suites.end(), [](const QComboBox *s) { return s->currentIndex() < 0; });
    };
    if (!passes({{anyEmpty, "Some items are empty.", control<QPushButton>("btnSet")}}, Report::WarningBox))
        return;
    QxCipherSuiteBits::Suites suites{};
    for (size_t i = 0; i < m_suites.size(); ++i)
        suites[i] = m_suites[i]->currentIndex() == SuiteEnabled;
    control<QLineEdit>("edtciphersuites")->setText(QxCipherSuiteBits::encode(suites));
    // A write that fails leaves the choices as the user made them.
    write({.binding = m_ssl, .readBack = DedicatedWrite::ReadBack::Never, .succeeded = [this] { refresh(); }});
}
