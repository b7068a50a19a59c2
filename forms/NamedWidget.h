#pragma once

#include <QString>

namespace forms {

// Every window and control carries its name in the program as its objectName, so that tests
// find them by it. The windows themselves hold typed pointers to the controls they use.
template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename T> T* named(T* widget, const char* name)
{
    return named(widget, QString::fromLatin1(name));
}

} // namespace forms
