#include "app/DedicatedDialogs.h"

#include "dialogs/switching/TVLanCurrentTableForm.h"
#include "dialogs/switching/TVLanGeneralInfoForm.h"
#include "dialogs/switching/TVLanPortInfomationForm.h"
#include "dialogs/switching/TVlanStaticForm.h"

#include <QDialog>
#include <utility>

namespace {

template <typename Dialog>
std::unique_ptr<QDialog> make(QWidget *parent)
{
    return std::make_unique<Dialog>(parent);
}

struct Entry
{
    const char *className;
    DedicatedDialogs::Factory factory;
};

// Each dedicated dialog class registers here when it is written.
const Entry kDialogs[] = {
    {"TVLanGeneralInfoForm", make<TVLanGeneralInfoForm>},
    {"TVLanPortInfomationForm", make<TVLanPortInfomationForm>},
    {"TVlanStaticForm", make<TVlanStaticForm>},
    {"TVLanCurrentTableForm", make<TVLanCurrentTableForm>},
    {nullptr, nullptr},
};

} // namespace

DedicatedDialogs::Factory DedicatedDialogs::find(const QString &className)
{
    for (const Entry &e : kDialogs) {
        if (e.className && className == QLatin1String(e.className))
            return e.factory;
    }
    return nullptr;
}
