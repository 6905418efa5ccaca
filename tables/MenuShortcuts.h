#pragma once

// The shortcut keys of the most used commands, by menu path (captions joined
// with " > " as the menu shows them, without mnemonics). Qt key sequences in
// portable text ("Ctrl+P"); the menu lists each beside its item.
namespace MenuShortcuts {
struct Shortcut {
    const char *path;
    const char *keys;
};
extern const Shortcut shortcuts[];
} // namespace MenuShortcuts
