#pragma once

#include "forms/NamedWidget.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace forms {

// "Rate (B) at level:" and the box that chooses the level, on a line of their own in the layout.
inline QComboBox* addLevelChooser(QBoxLayout* layout, QWidget* parent)
{
    auto* chooser = new QHBoxLayout;
    auto* level = named(new QComboBox(parent), "cboLevel");
    auto* prompt = new QLabel(QCoreApplication::translate("LevelChooser", "Rate (B) at &level:"), parent);
    prompt->setBuddy(level);
    chooser->addWidget(prompt);
    chooser->addWidget(level);
    chooser->addStretch();
    layout->addLayout(chooser);
    return level;
}

} // namespace forms
