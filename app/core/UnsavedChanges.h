#pragma once

#include <functional>

struct QxSNMPWrite;

// Whether the switch holds changes this process wrote and nobody has saved
// since: a write that went through marks them, a save (the save object with
// any real area) clears them. Listens on the session's writes while it lives.
class UnsavedChanges final
{
public:
    explicit UnsavedChanges(std::function<void(bool unsaved)> changed);
    ~UnsavedChanges();
    UnsavedChanges(const UnsavedChanges &) = delete;
    UnsavedChanges &operator=(const UnsavedChanges &) = delete;

    bool unsaved() const { return m_unsaved; }
    void note(const QxSNMPWrite &write);

private:
    std::function<void(bool)> m_changed;
    bool m_unsaved = false;
    int m_listener = 0;
};
