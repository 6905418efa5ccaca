#include "app/DriverViews.h"

#include "device/TPortStatusForm.h"
#include "device/TVlanMatrixForm.h"

QStringList DriverViews::names()
{
    return {QString::fromLatin1(TPortStatusForm::Caption), QString::fromLatin1(TVlanMatrixForm::Caption)};
}

std::unique_ptr<QDialog> DriverViews::open(const QString &name, QWidget *owner)
{
    if (name.compare(QLatin1String(TPortStatusForm::Caption), Qt::CaseInsensitive) == 0)
        return std::make_unique<TPortStatusForm>(owner);
    if (name.compare(QLatin1String(TVlanMatrixForm::Caption), Qt::CaseInsensitive) == 0)
        return std::make_unique<TVlanMatrixForm>(owner);
    return nullptr;
}
