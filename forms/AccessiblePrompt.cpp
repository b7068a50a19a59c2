#include "forms/AccessiblePrompt.h"

#include <QWidget>

namespace forms {

void nameAfterPrompt(QWidget* box, const QString& prompt)
{
    QString name = prompt.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    box->setAccessibleName(name.trimmed());
}

} // namespace forms
