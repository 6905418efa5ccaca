#include "app/Mainunit.h"
#include "app/core/ProgramVersion.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// The application's error display: the error's text in a box captioned with the program's name.
void showError(const QString &text)
{
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramVersion::asked(argc, argv))
        return ProgramVersion::print("nx2400p");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ModuleStartup::ModuleFileName));
    try {
        const RegistryStore registry(RegistryStore::defaultLocation());
        TMainForm form(QApplication::arguments().mid(1), registry);
        if (form.startupEnded())
            return 0;
        form.show();
        return app.exec();
    } catch (const QxSNMPException &e) {
        showError(e.text());
    } catch (const std::exception &e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    // A failed start-up ends the program quietly, as the host expects of its modules.
    return 0;
}
