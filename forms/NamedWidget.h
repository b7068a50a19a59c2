#pragma once

#include <QString>

// Every window and control carries its name in the program as its objectName: that is how the
// windows reach each other's controls, and how tests find them.
template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
