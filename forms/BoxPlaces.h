#pragma once

#include "forms/MainWindowLink.h"
#include "store/InputBoxes.h"

#include <QString>

namespace forms {

// Where each input box stands in the main window: the object names of the box and of the prompt
// beside it, and the tab that shows it. Object names become boxes here and nowhere else.
namespace boxplaces {

QString objectName(store::InputBox box);
QString promptLabelName(store::InputBox box);

// Each file's boxes have a tab of their own: the plant file's are the general information.
MainWindowLink::Tab tabOf(store::InputBox box);

} // namespace boxplaces

} // namespace forms
