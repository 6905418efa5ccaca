#include "app/DriverAction.h"

#include "app/cli/CliError.h"

#include <array>
#include <utility>

namespace {

using Kind = DriverAction::Kind;

struct Verb
{
    const char *name;
    Kind kind;
    bool control; // takes a CTRL
    bool value;   // takes "=VALUE" (after CTRL), or ":VALUE" without one
};

constexpr std::array<Verb, 13> kVerbs{{
    {"type", Kind::Type, true, true},
    {"choose", Kind::Choose, true, true},
    {"tick", Kind::Tick, true, true},
    {"click", Kind::Click, true, false},
    {"select", Kind::Select, true, true},
    {"cell", Kind::Cell, true, true},
    {"sort", Kind::Sort, true, true},
    {"filter", Kind::Filter, true, true},
    {"wait", Kind::Wait, false, true},
    {"show", Kind::Show, true, false},
    {"answer", Kind::Answer, false, true},
    {"close", Kind::Close, false, false},
    {"portmenu", Kind::PortMenu, true, true}, // --panel: portmenu:PORT=ITEM
}};

[[noreturn]] void refuse(const QString &text, const QString &why)
{
    throw CliError(QStringLiteral("--do \"%1\": %2").arg(text, why));
}

} // namespace

DriverAction DriverAction::parse(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? text : text.left(colon);
    const QString rest = colon < 0 ? QString() : text.mid(colon + 1);
    for (const Verb &verb : kVerbs) {
        if (name != QLatin1String(verb.name))
            continue;
        DriverAction action;
        action.kind = verb.kind;
        if (!verb.control && !verb.value) {
            if (colon >= 0)
                refuse(text, QStringLiteral("%1 takes nothing after it").arg(name));
            return action;
        }
        if (colon < 0 || rest.isEmpty())
            refuse(text, QStringLiteral("%1 needs %2").arg(name, verb.control ? QStringLiteral("a control")
                                                                                : QStringLiteral("a value")));
        if (!verb.control) {
            action.value = rest;
        } else if (verb.value) {
            const qsizetype eq = rest.indexOf(QLatin1Char('='));
            if (eq <= 0)
                refuse(text, QStringLiteral("%1 needs CTRL=VALUE").arg(name));
            action.control = rest.left(eq);
            action.value = rest.mid(eq + 1);
        } else {
            action.control = rest;
        }
        bool ok = true;
        switch (action.kind) {
        case Kind::Tick:
            ok = action.value == QLatin1String("1") || action.value == QLatin1String("0");
            break;
        case Kind::Wait:
            action.value.toDouble(&ok);
            ok = ok && action.value.toDouble() >= 0 && action.value.toDouble() <= 3600;
            break;
        case Kind::Sort:
            ok = !action.sortColumn().isEmpty();
            break;
        case Kind::Answer:
            ok = action.value == QLatin1String("yes") || action.value == QLatin1String("no");
            break;
        case Kind::Select:
            if (action.value.startsWith(QLatin1Char('#')))
                action.value.mid(1).toInt(&ok);
            break;
        case Kind::Cell: {
            const QStringList parts = action.value.split(QLatin1Char(','));
            bool rowOk = false;
            bool columnOk = false;
            const int row = parts.value(0).toInt(&rowOk);
            const int column = parts.value(1).toInt(&columnOk);
            ok = parts.size() == 2 && rowOk && columnOk && row >= 0 && column >= 0;
            break;
        }
        default:
            break;
        }
        if (!ok)
            refuse(text, QStringLiteral("\"%1\" is no value for %2").arg(action.value, name));
        return action;
    }
    refuse(text, QStringLiteral("no such action (type, choose, tick, click, select, cell, sort, filter, wait, show, answer, close)"));
}
