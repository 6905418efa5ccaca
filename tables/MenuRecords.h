#pragma once

#include "tables/CommandRecord.h"

// Short forms for the records that carry no descriptor data, so that a menu
// group reads like the menu it builds. Editor and table records are written out
// with designated initialisers: they have too many settings for a short form.
namespace MenuRecords {

// The caption every separator record carries; a null caption ends a group.
inline constexpr const char *separatorCaption = "-";

constexpr CommandRecord menu(int depth, const char *caption, bool hidden = false)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .shape = CommandShape::Menu};
}

constexpr CommandRecord separator(int depth, bool hidden = false)
{
    return {.depth = depth, .caption = separatorCaption, .hidden = hidden, .shape = CommandShape::Separator};
}

// An item whose command does nothing; all of them are hidden menu entries.
constexpr CommandRecord nothing(int depth, const char *caption, bool hidden = true)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .shape = CommandShape::Nothing};
}

// An external viewer: the topic switch names the program ("/TMIB_Info" starts MIB).
constexpr CommandRecord viewer(int depth, const char *caption, const char *topic, bool hidden = false)
{
    return {.depth = depth, .caption = caption, .hidden = hidden, .shape = CommandShape::Viewer, .target = topic};
}

// A dedicated dialog class, captioned title + joiner + address.
constexpr CommandRecord dedicated(int depth, const char *caption, const char *dialogClass, const char *title,
                                  const char *joiner, quint32 flags = 0, bool hidden = false)
{
    return {.depth = depth,
            .caption = caption,
            .hidden = hidden,
            .shape = CommandShape::Dedicated,
            .title = title,
            .joiner = joiner,
            .flags = flags,
            .target = dialogClass};
}

// A single action: "reboot", "help" or "about".
constexpr CommandRecord action(int depth, const char *caption, const char *what)
{
    return {.depth = depth, .caption = caption, .hidden = false, .shape = CommandShape::Action, .target = what};
}

// The record that ends a group.
constexpr CommandRecord end()
{
    return {};
}

} // namespace MenuRecords
