#include "binding/SynchronousMode.h"

#include "binding/QxSNMPRequest2Controls.h"

SynchronousMode::SynchronousMode(QxSNMPRequest2Controls &controller)
    : m_controller(controller), m_asynchronous(controller.asynchronous())
{
    controller.setAsynchronous(false);
}

SynchronousMode::~SynchronousMode()
{
    m_controller.setAsynchronous(m_asynchronous);
}
