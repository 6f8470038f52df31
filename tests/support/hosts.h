#pragma once

#include <QString>

// The host setting that reaches a test server on this machine.
inline QString loopbackHost(quint16 port)
{
    return QStringLiteral("127.0.0.1:") + QString::number(port);
}
