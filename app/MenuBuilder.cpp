#include "app/MenuBuilder.h"

#include "app/MenuMnemonics.h"

#include <QMenu>
#include <QMenuBar>
#include <QStringList>

bool MenuBuilder::carriesCommand(const CommandRecord &record)
{
    return record.shape != CommandShape::Menu && record.shape != CommandShape::Separator;
}

void MenuBuilder::addGroup(QMenuBar *bar, const CommandGroup &group)
{
    const QString top = QString::fromLatin1(group.topMenu);
    QMenu *topMenu = nullptr;
    for (QAction *action : bar->actions()) {
        if (action->menu() && MenuMnemonics::plain(action->text()) == top)
            topMenu = action->menu();
    }
    if (!topMenu) {
        topMenu = bar->addMenu(top);
        topMenu->setObjectName(top);
    }

    // menus[d] is the menu that receives records of depth d; paths likewise.
    QList<QMenu *> menus{topMenu};
    QStringList path{top};
    for (const CommandRecord *r = group.records; r && r->caption; ++r) {
        const int depth = std::min<int>(r->depth, int(menus.size()) - 1);
        menus.resize(depth + 1);
        path.resize(depth + 1);
        QMenu *parent = menus[depth];
        const QString caption = QString::fromLatin1(r->caption);
        if (r->shape == CommandShape::Separator) {
            parent->addSeparator()->setVisible(!r->hidden);
            continue;
        }
        if (r->shape == CommandShape::Menu) {
            QMenu *sub = parent->addMenu(caption);
            sub->menuAction()->setVisible(!r->hidden);
            menus.append(sub);
            path.append(caption);
            continue;
        }
        QAction *action = parent->addAction(caption);
        action->setVisible(!r->hidden);
        const QString fullPath = (path + QStringList{caption}).join(QStringLiteral(" > "));
        m_records.insert(action, r);
        m_paths.insert(action, fullPath);
        m_byPath.insert(fullPath, action);
        m_commandActions.append(action);
    }
}
