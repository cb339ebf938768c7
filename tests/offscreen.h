#pragma once

#include <QString>
#include <QtGlobal>

// The offscreen platform says, each time the window's fixed height changes, that it
// has no window manager to pass the size to. In window tests that is expected and
// only noise; every other message goes through as before.
inline void quietOffscreenSizeHints()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(u"propagateSizeHints"))
            previous(type, context, message);
    });
}
