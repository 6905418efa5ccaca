#pragma once

#include "tables/CommandRecord.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <vector>

// Catalogue records with where they sit in the menu: the captions of the menus
// above them and whether the record or any menu above it is hidden.
namespace PlacedRecords {

struct Placed
{
    const CommandGroup *group;
    const CommandRecord *record;
    QStringList path; // top menu, submenus, the record's caption
    bool effectivelyHidden;
};

inline std::vector<Placed> place(std::span<const CommandGroup *const> groups)
{
    std::vector<Placed> out;
    for (const CommandGroup *group : groups) {
        std::vector<const CommandRecord *> menus; // open menus by depth
        for (const CommandRecord *r = group->records; r->caption; ++r) {
            menus.resize(size_t(std::max(0, r->depth)));
            QStringList path{QString::fromLatin1(group->topMenu)};
            bool hidden = r->hidden;
            for (const CommandRecord *m : menus) {
                path << QString::fromLatin1(m ? m->caption : "?");
                hidden = hidden || (m && m->hidden);
            }
            path << QString::fromLatin1(r->caption);
            out.push_back({group, r, path, hidden});
            if (r->shape == CommandShape::Menu)
                menus.push_back(r);
        }
    }
    return out;
}

inline std::vector<Placed> place(const CommandGroup &group)
{
    const CommandGroup *const one[] = {&group};
    return place(one);
}

// The one record at a path; a missing or doubled record fails the test.
inline const CommandRecord *find(const std::vector<Placed> &placed, const QStringList &path)
{
    const CommandRecord *found = nullptr;
    for (const Placed &p : placed) {
        if (p.path == path) {
            EXPECT_EQ(found, nullptr) << "two records at " << path.join(" > ").toStdString();
            found = p.record;
        }
    }
    EXPECT_NE(found, nullptr) << "no record at " << path.join(" > ").toStdString();
    return found;
}

} // namespace PlacedRecords
