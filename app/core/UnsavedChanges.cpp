#include "app/core/UnsavedChanges.h"

#include "app/core/ConfigurationSave.h"
#include "snmp/QxSNMPSession.h"

UnsavedChanges::UnsavedChanges(std::function<void(bool)> changed) : m_changed(std::move(changed))
{
    if (QxSNMPSession *session = globalSession())
        m_listener = session->addWriteListener([this](const QxSNMPWrite &write) { note(write); });
}

UnsavedChanges::~UnsavedChanges()
{
    if (m_listener)
        if (QxSNMPSession *session = globalSession())
            session->removeWriteListener(m_listener);
}

void UnsavedChanges::note(const QxSNMPWrite &write)
{
    if (!write.wentThrough())
        return;
    const bool unsaved = !ConfigurationSave::saves(write);
    if (unsaved == m_unsaved)
        return;
    m_unsaved = unsaved;
    if (m_changed)
        m_changed(m_unsaved);
}
